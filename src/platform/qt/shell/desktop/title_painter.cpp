#include "platform/qt/shell/desktop/title_painter.h"

#include <QFontMetrics>
#include <QGuiApplication>

namespace horalet::platform::qt {

QFont qtFont(const shell::Font& font)
{
    QFont qt = QGuiApplication::font();
    qt.setPointSizeF(font.pointSize > 0 ? font.pointSize : qt.pointSizeF());
    qt.setWeight(font.weight == shell::FontWeight::semibold ? QFont::DemiBold : QFont::Normal);
    return qt;
}

TitlePainter::TitlePainter(QFont font, bool monospacedDigits)
    : font_(std::move(font))
    , monospacedDigits_(monospacedDigits)
{
    const QFontMetrics metrics(font_);
    for (char digit = '0'; digit <= '9'; ++digit) {
        digitWidth_ = std::max(digitWidth_, metrics.horizontalAdvance(QLatin1Char(digit)));
    }
}

// Calls run(text, isDigitCell) for each stretch: a single digit when digits
// are monospaced, else the longest stretch without one.
template <typename Run> void TitlePainter::forEachRun(const QString& text, Run run) const
{
    if (!monospacedDigits_) {
        run(text, false);
        return;
    }
    qsizetype start = 0;
    for (qsizetype index = 0; index < text.size(); ++index) {
        if (text[index].isDigit()) {
            if (index > start) {
                run(text.mid(start, index - start), false);
            }
            run(text.mid(index, 1), true);
            start = index + 1;
        }
    }
    if (start < text.size()) {
        run(text.mid(start), false);
    }
}

int TitlePainter::width(const QString& text) const
{
    const QFontMetrics metrics(font_);
    int total = 0;
    forEachRun(text, [&](const QString& piece, bool digitCell) {
        total += digitCell ? digitWidth_ : metrics.horizontalAdvance(piece);
    });
    return total;
}

int TitlePainter::height() const
{
    return QFontMetrics(font_).height();
}

void TitlePainter::draw(QPainter& painter, QPointF origin, const QString& text) const
{
    const QFontMetrics metrics(font_);
    painter.setFont(font_);
    double x = origin.x();
    forEachRun(text, [&](const QString& piece, bool digitCell) {
        const int advance = metrics.horizontalAdvance(piece);
        const double cell = digitCell ? digitWidth_ : advance;
        painter.drawText(QPointF(x + (cell - advance) / 2.0, origin.y()), piece);
        x += cell;
    });
}

} // namespace horalet::platform::qt
