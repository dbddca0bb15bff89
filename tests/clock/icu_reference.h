#pragma once

#include <memory>
#include <string>

#include <unicode/datefmt.h>
#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

// Straight ICU answers, computed without the clock's own code, that the
// tests compare against so that they hold for any version of the locale data.
namespace horalet::icu_reference {

inline std::string utf8(const icu::UnicodeString& text)
{
    std::string out;
    text.toUTF8String(out);
    return out;
}

inline std::string bestPattern(const std::string& skeleton, const std::string& locale)
{
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<icu::DateTimePatternGenerator> generator(
        icu::DateTimePatternGenerator::createInstance(icu::Locale(locale.c_str()), status));
    const icu::UnicodeString pattern = generator->getBestPattern(icu::UnicodeString::fromUTF8(skeleton), status);
    return U_SUCCESS(status) ? utf8(pattern) : std::string();
}

inline std::string formatted(icu::DateFormat& format, const std::string& zone, double secondsSinceEpoch)
{
    format.adoptTimeZone(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(zone)));
    icu::UnicodeString text;
    format.format(secondsSinceEpoch * 1000.0, text);
    return utf8(text);
}

inline std::string withPattern(
    const std::string& pattern, const std::string& locale, const std::string& zone, double secondsSinceEpoch)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::SimpleDateFormat format(icu::UnicodeString::fromUTF8(pattern), icu::Locale(locale.c_str()), status);
    return U_SUCCESS(status) ? formatted(format, zone, secondsSinceEpoch) : std::string();
}

inline std::string fullDateMediumTime(const std::string& locale, const std::string& zone, double secondsSinceEpoch)
{
    const std::unique_ptr<icu::DateFormat> format(icu::DateFormat::createDateTimeInstance(
        icu::DateFormat::kFull, icu::DateFormat::kMedium, icu::Locale(locale.c_str())));
    return formatted(*format, zone, secondsSinceEpoch);
}

} // namespace horalet::icu_reference
