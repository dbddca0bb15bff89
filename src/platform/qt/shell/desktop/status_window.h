#pragma once

#include <optional>

#include <QMenu>
#include <QTimer>
#include <QWidget>

#include "platform/qt/shell/desktop/status_window_place.h"
#include "platform/qt/shell/desktop/title_painter.h"

namespace horalet::platform::qt {

// Where the panel has no host for status items: a small frameless window
// that behaves like part of the panel (no taskbar or pager entry, on every
// desktop, above other windows). It shows the title in the status item's
// font and opens the menu on a click. It starts at the top-right corner of
// the screen's work area; the user can drag it elsewhere, and the place is
// remembered when `place` is given.
class StatusWindow final : public QWidget {
public:
    explicit StatusWindow(StatusWindowPlace* place = nullptr);

    // The menu a click opens; none until the item has one.
    void setMenu(QMenu* menu) { menu_ = menu; }

    void setTitle(const QString& title);
    void setTitleFont(const shell::Font& font);
    const QString& title() const { return title_; }
    const TitlePainter& painter() const { return painter_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // Fits the window to its title, its top-right corner where it belongs.
    void fit();
    QPoint defaultTopRight() const;
    void popUpMenu();

    StatusWindowPlace* place_;
    QMenu* menu_ = nullptr;
    QString title_;
    TitlePainter painter_;
    QPoint topRight_;
    bool placed_ = false;
    bool toldAboutWayland_ = false;
    // A left press opens the menu on release unless the pointer moved far
    // enough to make it a drag.
    std::optional<QPoint> pressedAt_;
    // Where the pointer holds the window, while it moves the window itself.
    std::optional<QPoint> heldAt_;
    // Since the last drag began, every move is the user's (through the
    // window manager) and says where the window now belongs.
    bool dragging_ = false;
    // The window manager moves the window in steps while the user drags it;
    // the place is kept once it has been still for a moment.
    QTimer settled_;
};

} // namespace horalet::platform::qt
