#include "app/delegate/status_glance.h"

#include <functional>

namespace horalet::app {

namespace {

constexpr long long kMinutesPerHour = 60;
constexpr long long kMinutesPerDay = 24 * kMinutesPerHour;

} // namespace

TimeOfDay timeOfDay(platform::Instant instant, const platform::TimeZone& zone)
{
    const long long minutes = wallMinutes(instant, zone);
    // Before the epoch the minute count is negative; the day still starts at midnight.
    const long long ofDay = ((minutes % kMinutesPerDay) + kMinutesPerDay) % kMinutesPerDay;
    return TimeOfDay{static_cast<int>(ofDay / kMinutesPerHour), static_cast<int>(ofDay % kMinutesPerHour)};
}

std::optional<platform::shell::StatusGlance> StatusGlances::changedAt(platform::Instant now)
{
    if (held_.holds(now)) {
        return std::nullopt;
    }
    const platform::TimeZone zone = ClockFormat::timeZone(sources_);
    held_.hold(now, nextMinute(now, zone));
    const TimeOfDay time = timeOfDay(now, zone);
    return platform::shell::StatusGlance{
        time.hour, time.minute, menuDatesText(menuDates(sources_, now, std::ref(fullDates_)))};
}

} // namespace horalet::app
