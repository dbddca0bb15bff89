#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/foundation/date_formatter.h"
#include "platform/foundation/instant.h"
#include "platform/foundation/locale.h"
#include "platform/foundation/preferences_store.h"
#include "platform/foundation/system_environment.h"
#include "platform/foundation/time_zone.h"

namespace horalet {

// Where the clock reads its inputs when it needs them: the preferences
// store, and the system's current zone and locale. Whoever formats the
// clock holds one; main wires the real parts, tests their own.
struct ClockSources {
    const platform::PreferencesStore& d;
    platform::SystemEnvironment& environment;
};

// Turns the clock settings into the texts the user sees. The computing
// functions are pure: they take the settings, zone, locale and instant they
// need. The entry points that take ClockSources read the store afresh at
// every call and hand over to them.
namespace ClockFormat {

// The clock settings that shape the formatter, as stored at one moment;
// absent texts read as empty.
struct Settings {
    std::int64_t weekday = 0;
    std::int64_t date = 0;
    bool showYear = false;
    bool use24 = false;
    bool showSeconds = false;
    bool showAMPM = false;
    bool useCustom = false;
    std::string customFormat;

    static Settings read(const platform::PreferencesStore& store);
};

// The locale named by `localeID`, or `current` when it is empty.
platform::Locale locale(std::string_view localeID, const platform::Locale& current);
// The zone named by `zoneID` when it is set and known, else `system`.
platform::TimeZone timeZone(std::string_view zoneID, const platform::TimeZone& system);

// A new formatter for the menu-bar clock in the given locale and zone.
platform::DateFormatter make(const Settings& settings, const platform::Locale& locale, const platform::TimeZone& zone);

// The long date and time of an instant in a zone (full date, medium time).
std::string fullDate(platform::Instant instant, const platform::TimeZone& zone, const platform::Locale& locale);

// The formatter fullDate formats with, for a caller that formats every second.
platform::DateFormatter fullDateFormatter(const platform::TimeZone& zone, const platform::Locale& locale);

// The prefix label with the whitespace set trimmed from both ends.
std::string label(std::string_view prefixLabel);

// The clock text: the trimmed prefix label, one space and the formatted
// instant; the formatted instant alone when the label is empty.
std::string text(platform::Instant instant, const platform::DateFormatter& formatter, std::string_view prefixLabel);

// The same, reading the store and the system.
platform::Locale locale(const ClockSources& sources);
platform::TimeZone timeZone(const ClockSources& sources);
platform::DateFormatter make(const ClockSources& sources);
std::string fullDate(const ClockSources& sources, platform::Instant instant, const platform::TimeZone& zone);
std::string text(const ClockSources& sources, platform::Instant instant, const platform::DateFormatter& formatter);
std::string label(const ClockSources& sources);

// The skeleton the settings ask for, before the locale turns it into a pattern.
std::string skeleton(std::int64_t weekday, std::int64_t date, bool showYear, bool use24, bool showSeconds);

// Drops the day-period fields (a, b, B) outside quoted literal text, then
// folds runs of spaces and trims the whitespace set.
std::string strippingDayPeriod(std::string_view pattern);

// Whether a pattern has a field that changes within a minute: seconds,
// fractions of a second or milliseconds in the day (s, S, A) outside quoted
// literal text.
bool changesWithinAMinute(std::string_view pattern);

} // namespace ClockFormat

} // namespace horalet
