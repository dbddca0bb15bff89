#include "platform/qt/settings_window/qt_fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace horalet::platform::qt {

namespace {

// The desktop's caption text is a little smaller than its body text.
constexpr double kCaptionScale = 0.85;

QFont sized(const ui::Font& hint, const QFont& base)
{
    QFont font = base;
    if (!hint.textStyle) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(hint.points))));
    } else if (*hint.textStyle == ui::Font::TextStyle::caption) {
        font.setPointSizeF(base.pointSizeF() * kCaptionScale);
    }
    return font;
}

// Qt 6.4 cannot ask a font for its tabular-figures feature. Most desktop
// sans families (DejaVu Sans, Noto Sans, WenQuanYi Micro Hei) draw their
// digits tabular by default, so the font is kept when its digits measure
// equal; otherwise the fixed-pitch family draws the text.
QFont withTabularDigits(QFont font)
{
    if (hasTabularDigits(font)) {
        return font;
    }
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies(QStringList{fixed.family(), font.family()});
    return font;
}

} // namespace

bool hasTabularDigits(const QFont& font)
{
    const QFontMetricsF metrics(font);
    const qreal zero = metrics.horizontalAdvance(QLatin1Char('0'));
    for (char digit = '1'; digit <= '9'; ++digit) {
        if (metrics.horizontalAdvance(QLatin1Char(digit)) != zero) {
            return false;
        }
    }
    return true;
}

QFont qtFont(const ui::Font& hint, const QFont& base)
{
    QFont font = sized(hint, base);
    font.setWeight(hint.weight == ui::Font::Weight::semibold ? QFont::DemiBold : QFont::Normal);
    if (hint.design == ui::Font::Design::monospaced) {
        const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setFamilies(QStringList{fixed.family(), base.family()});
    }
    if (hint.monospacedDigits) {
        font = withTabularDigits(font);
    }
    return font;
}

} // namespace horalet::platform::qt
