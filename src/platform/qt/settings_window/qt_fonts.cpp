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

bool advancesAreEqual(const QFont& font, QLatin1StringView characters)
{
    const QFontMetricsF metrics(font);
    const qreal first = metrics.horizontalAdvance(characters.front());
    return std::all_of(characters.begin(), characters.end(),
        [&](char character) { return metrics.horizontalAdvance(QLatin1Char(character)) == first; });
}

// Narrow and wide letters, digits and the pattern's punctuation.
constexpr QLatin1StringView kMonospaceProbe("iMW0123456789:");

bool drawsMonospaced(const QString& family, const QFont& like)
{
    QFont font = like;
    font.setFamilies(QStringList{family});
    return advancesAreEqual(font, kMonospaceProbe);
}

// A family whose letters and digits are all one width, as the user sees
// them. Fontconfig does not mark every monospaced family as such (Noto
// Sans Mono is not), so families are judged by measuring them: the
// desktop's fixed font first, then any family the font database calls
// fixed, then every family. The answer is kept: the fonts do not change
// while the program runs, and redraws ask for it again and again.
QString findMonospacedFamily(const QFont& like)
{
    const QString preferred = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    if (drawsMonospaced(preferred, like)) {
        return preferred;
    }
    const QStringList families = QFontDatabase::families();
    for (const bool fixedOnly : {true, false}) {
        for (const QString& family : families) {
            if ((!fixedOnly || QFontDatabase::isFixedPitch(family)) && drawsMonospaced(family, like)) {
                return family;
            }
        }
    }
    return preferred;
}

QString monospacedFamily(const QFont& like)
{
    static const QString family = findMonospacedFamily(like);
    return family;
}

// Qt 6.4 cannot ask a font for its tabular-figures feature. Most desktop
// sans families (DejaVu Sans, Noto Sans, WenQuanYi Micro Hei) draw their
// digits tabular by default, so the font is kept when its digits measure
// equal; otherwise a monospaced family draws the text.
QFont withTabularDigits(QFont font)
{
    if (hasTabularDigits(font)) {
        return font;
    }
    font.setFamilies(QStringList{monospacedFamily(font), font.family()});
    return font;
}

} // namespace

bool hasTabularDigits(const QFont& font)
{
    return advancesAreEqual(font, QLatin1StringView("0123456789"));
}

QFont qtFont(const ui::Font& hint, const QFont& base)
{
    QFont font = sized(hint, base);
    font.setWeight(hint.weight == ui::Font::Weight::semibold ? QFont::DemiBold : QFont::Normal);
    if (hint.design == ui::Font::Design::monospaced) {
        font.setFamilies(QStringList{monospacedFamily(font), base.family()});
    }
    if (hint.monospacedDigits) {
        font = withTabularDigits(font);
    }
    return font;
}

} // namespace horalet::platform::qt
