#pragma once

#include <QFont>
#include <QPainter>
#include <QString>

#include "platform/shell/font.h"

namespace horalet::platform::qt {

// The Qt font for a shell font: the application's font family at that size
// and weight.
QFont qtFont(const shell::Font& font);

// Lays out a title line. With monospaced digits every digit takes the
// width of the widest one, so a ticking clock does not jiggle whatever
// the font's own digits do.
class TitlePainter {
public:
    TitlePainter(QFont font, bool monospacedDigits);

    const QFont& font() const { return font_; }
    int width(const QString& text) const;
    int height() const;
    // Draws the text from the left end of the baseline at `origin`.
    void draw(QPainter& painter, QPointF origin, const QString& text) const;

private:
    template <typename Run> void forEachRun(const QString& text, Run run) const;

    QFont font_;
    bool monospacedDigits_;
    int digitWidth_ = 0;
};

} // namespace horalet::platform::qt
