#include "clock/clock_format.h"

#include <unicode/brkiter.h>

#include "clock/settings_keys.h"
#include "platform/foundation/system_environment.h"
#include "platform/foundation/text.h"
#include "platform/platform.h"

namespace horalet::ClockFormat {

namespace {

constexpr std::string_view kFallbackPattern = "HH:mm";

std::string storedText(std::string_view key)
{
    return d().stringForKey(key).value_or(std::string());
}

// Walks the pattern by user-perceived characters so that a letter with
// combining marks is kept or dropped as a whole.
std::string droppingDayPeriodFields(std::string_view pattern)
{
    const icu::UnicodeString text = platform::fromUtf8(pattern);
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> characters(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status)) {
        return std::string(pattern);
    }
    characters->setText(text);
    icu::UnicodeString kept;
    bool insideLiteral = false;
    int32_t start = characters->first();
    for (int32_t end = characters->next(); end != icu::BreakIterator::DONE; start = end, end = characters->next()) {
        const icu::UnicodeString character(text, start, end - start);
        if (character == u"'") {
            insideLiteral = !insideLiteral;
            kept += character;
        } else if (insideLiteral || (character != u"a" && character != u"b" && character != u"B")) {
            kept += character;
        }
    }
    return platform::toUtf8(kept);
}

std::string collapsingSpaces(std::string text)
{
    while (platform::contains(text, "  ")) {
        text = platform::replacingAll(text, "  ", " ");
    }
    return text;
}

} // namespace

platform::PreferencesStore& d()
{
    return platform::defaults();
}

platform::Locale locale()
{
    std::string identifier = storedText(K::locale);
    if (!identifier.empty()) {
        return platform::Locale::withIdentifier(std::move(identifier));
    }
    return platform::environment().currentLocale();
}

platform::TimeZone timeZone()
{
    const std::string identifier = storedText(K::tz);
    if (!identifier.empty()) {
        if (auto zone = platform::TimeZone::named(identifier)) {
            return *zone;
        }
    }
    return platform::environment().systemTimeZone();
}

std::string skeleton(std::int64_t weekday, std::int64_t date, bool showYear, bool use24, bool showSeconds)
{
    std::string result;
    if (weekday == 2) {
        result += "EEEE";
    } else if (weekday == 1) {
        result += "EEE";
    }
    if (date != 0) {
        if (date == 2) {
            result += "Md";
        } else if (date == 1) {
            result += "MMMd";
        }
        if (showYear) {
            result += "y";
        }
    }
    result += use24 ? "HHmm" : "hmm";
    if (showSeconds) {
        result += "ss";
    }
    if (!use24) {
        result += "a";
    }
    return result;
}

std::string strippingDayPeriod(std::string_view pattern)
{
    return platform::trimmingWhitespaceSet(collapsingSpaces(droppingDayPeriodFields(pattern)));
}

platform::DateFormatter make()
{
    platform::DateFormatter formatter;
    const platform::Locale chosenLocale = locale();
    formatter.setLocale(chosenLocale);
    formatter.setTimeZone(timeZone());

    if (d().boolForKey(K::useCustom)) {
        std::string custom = storedText(K::custom);
        if (!custom.empty()) {
            formatter.setDateFormat(std::move(custom));
            return formatter;
        }
    }

    const bool use24 = d().boolForKey(K::use24);
    const std::string fields = skeleton(d().integerForKey(K::weekday), d().integerForKey(K::date),
        d().boolForKey(K::year), use24, d().boolForKey(K::seconds));
    std::string pattern
        = platform::dateFormatFromTemplate(fields, chosenLocale).value_or(std::string(kFallbackPattern));
    if (!use24 && !d().boolForKey(K::ampm)) {
        pattern = strippingDayPeriod(pattern);
    }
    formatter.setDateFormat(std::move(pattern));
    return formatter;
}

platform::DateFormatter fullDateFormatter(const platform::TimeZone& zone)
{
    platform::DateFormatter formatter;
    formatter.setLocale(locale());
    formatter.setTimeZone(zone);
    formatter.setDateStyle(platform::DateFormatter::Style::full);
    formatter.setTimeStyle(platform::DateFormatter::Style::medium);
    return formatter;
}

std::string fullDate(platform::Instant instant, const platform::TimeZone& zone)
{
    return fullDateFormatter(zone).stringFromDate(instant);
}

std::string label()
{
    return platform::trimmingWhitespaceSet(storedText(K::label));
}

std::string text(platform::Instant instant, const platform::DateFormatter& formatter)
{
    const std::string prefix = label();
    std::string formatted = formatter.stringFromDate(instant);
    if (prefix.empty()) {
        return formatted;
    }
    return prefix + " " + formatted;
}

} // namespace horalet::ClockFormat
