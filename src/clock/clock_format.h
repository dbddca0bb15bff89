#pragma once

#include <string>
#include <string_view>

#include "platform/foundation/date_formatter.h"
#include "platform/foundation/instant.h"
#include "platform/foundation/locale.h"
#include "platform/foundation/preferences_store.h"
#include "platform/foundation/time_zone.h"

namespace horalet {

// Turns the clock settings into the texts the user sees. It keeps nothing
// between calls: every operation reads the preferences store afresh.
namespace ClockFormat {

platform::PreferencesStore& d();

// K::locale when set, else the user's current locale.
platform::Locale locale();

// The zone named by K::tz when set and known, else the system zone.
platform::TimeZone timeZone();

// A new formatter for the menu-bar clock, configured from the settings.
platform::DateFormatter make();

// The long date and time of an instant in the given zone (full date,
// medium time), in the configured locale.
std::string fullDate(platform::Instant instant, const platform::TimeZone& zone);

// The clock text: the trimmed prefix label, one space and the formatted
// instant; the formatted instant alone when there is no label.
std::string text(platform::Instant instant, const platform::DateFormatter& formatter);

// The skeleton the settings ask for, before the locale turns it into a pattern.
std::string skeleton(std::int64_t weekday, std::int64_t date, bool showYear, bool use24, bool showSeconds);

// Drops the day-period fields (a, b, B) outside quoted literal text, then
// folds runs of spaces and trims the whitespace set.
std::string strippingDayPeriod(std::string_view pattern);

} // namespace ClockFormat

} // namespace horalet
