#pragma once

#include <QMenu>
#include <QWidget>

#include "platform/qt/shell/desktop/title_painter.h"

namespace horalet::platform::qt {

// Where the panel has no host for status items: a small frameless window
// near the top-right corner of the screen that shows the title in the
// status item's font and opens the menu on a click.
class StatusWindow final : public QWidget {
public:
    StatusWindow();

    // The menu a click opens; none until the item has one.
    void setMenu(QMenu* menu) { menu_ = menu; }

    void setTitle(const QString& title);
    void setTitleFont(const shell::Font& font);
    const QString& title() const { return title_; }
    const TitlePainter& painter() const { return painter_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void placeAtTopRight();

    QMenu* menu_ = nullptr;
    QString title_;
    TitlePainter painter_;
};

} // namespace horalet::platform::qt
