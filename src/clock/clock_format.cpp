#include "clock/clock_format.h"

#include <unicode/brkiter.h>

#include "clock/settings_keys.h"
#include "platform/foundation/text.h"

namespace horalet::ClockFormat {

namespace {

constexpr std::string_view kFallbackPattern = "HH:mm";

std::string storedText(const platform::PreferencesStore& store, std::string_view key)
{
    return store.stringForKey(key).value_or(std::string());
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

Settings Settings::read(const platform::PreferencesStore& store)
{
    Settings settings;
    settings.weekday = store.integerForKey(K::weekday);
    settings.date = store.integerForKey(K::date);
    settings.showYear = store.boolForKey(K::year);
    settings.use24 = store.boolForKey(K::use24);
    settings.showSeconds = store.boolForKey(K::seconds);
    settings.showAMPM = store.boolForKey(K::ampm);
    settings.useCustom = store.boolForKey(K::useCustom);
    settings.customFormat = storedText(store, K::custom);
    return settings;
}

platform::Locale locale(std::string_view localeID, const platform::Locale& current)
{
    if (!localeID.empty()) {
        return platform::Locale::withIdentifier(std::string(localeID));
    }
    return current;
}

platform::TimeZone timeZone(std::string_view zoneID, const platform::TimeZone& system)
{
    if (!zoneID.empty()) {
        if (auto zone = platform::TimeZone::named(std::string(zoneID))) {
            return *zone;
        }
    }
    return system;
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

bool changesWithinAMinute(std::string_view pattern)
{
    // Pattern letters are ASCII, and no byte of a multi-byte UTF-8 character is.
    bool insideLiteral = false;
    for (const char character : pattern) {
        if (character == '\'') {
            insideLiteral = !insideLiteral;
        } else if (!insideLiteral && (character == 's' || character == 'S' || character == 'A')) {
            return true;
        }
    }
    return false;
}

platform::DateFormatter make(const Settings& settings, const platform::Locale& locale, const platform::TimeZone& zone)
{
    platform::DateFormatter formatter;
    formatter.setLocale(locale);
    formatter.setTimeZone(zone);

    if (settings.useCustom && !settings.customFormat.empty()) {
        formatter.setDateFormat(settings.customFormat);
        return formatter;
    }

    const std::string fields
        = skeleton(settings.weekday, settings.date, settings.showYear, settings.use24, settings.showSeconds);
    std::string pattern = platform::dateFormatFromTemplate(fields, locale).value_or(std::string(kFallbackPattern));
    if (!settings.use24 && !settings.showAMPM) {
        pattern = strippingDayPeriod(pattern);
    }
    formatter.setDateFormat(std::move(pattern));
    return formatter;
}

platform::DateFormatter fullDateFormatter(const platform::TimeZone& zone, const platform::Locale& locale)
{
    platform::DateFormatter formatter;
    formatter.setLocale(locale);
    formatter.setTimeZone(zone);
    formatter.setDateStyle(platform::DateFormatter::Style::full);
    formatter.setTimeStyle(platform::DateFormatter::Style::medium);
    return formatter;
}

std::string fullDate(platform::Instant instant, const platform::TimeZone& zone, const platform::Locale& locale)
{
    return fullDateFormatter(zone, locale).stringFromDate(instant);
}

std::string label(std::string_view prefixLabel)
{
    return platform::trimmingWhitespaceSet(prefixLabel);
}

std::string text(platform::Instant instant, const platform::DateFormatter& formatter, std::string_view prefixLabel)
{
    const std::string prefix = label(prefixLabel);
    std::string formatted = formatter.stringFromDate(instant);
    if (prefix.empty()) {
        return formatted;
    }
    return prefix + " " + formatted;
}

platform::Locale locale(const ClockSources& sources)
{
    return locale(storedText(sources.d, K::locale), sources.environment.currentLocale());
}

platform::TimeZone timeZone(const ClockSources& sources)
{
    return timeZone(storedText(sources.d, K::tz), sources.environment.systemTimeZone());
}

platform::DateFormatter make(const ClockSources& sources)
{
    return make(Settings::read(sources.d), locale(sources), timeZone(sources));
}

std::string fullDate(const ClockSources& sources, platform::Instant instant, const platform::TimeZone& zone)
{
    return fullDate(instant, zone, locale(sources));
}

std::string text(const ClockSources& sources, platform::Instant instant, const platform::DateFormatter& formatter)
{
    return text(instant, formatter, storedText(sources.d, K::label));
}

std::string label(const ClockSources& sources)
{
    return label(storedText(sources.d, K::label));
}

} // namespace horalet::ClockFormat
