#include "app/delegate/status_glance.h"

#include <cmath>
#include <functional>

namespace horalet::app {

namespace {

constexpr double kSecondsPerMinute = 60.0;
constexpr long long kMinutesPerHour = 60;
constexpr long long kMinutesPerDay = 24 * kMinutesPerHour;

} // namespace

TimeOfDay timeOfDay(platform::Instant instant, const platform::TimeZone& zone)
{
    const double local = instant.secondsSinceEpoch + zone.secondsFromGMT(instant);
    const auto minutes = static_cast<long long>(std::floor(local / kSecondsPerMinute));
    // Before the epoch the minute count is negative; the day still starts at midnight.
    const long long ofDay = ((minutes % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay;
    return TimeOfDay{static_cast<int>(ofDay / kMinutesPerHour), static_cast<int>(ofDay % kMinutesPerHour)};
}

platform::shell::StatusGlance StatusGlances::at(platform::Instant now)
{
    const TimeOfDay time = timeOfDay(now, ClockFormat::timeZone(sources_));
    return platform::shell::StatusGlance{
        time.hour, time.minute, menuDatesText(menuDates(sources_, now, std::ref(fullDates_)))};
}

} // namespace horalet::app
