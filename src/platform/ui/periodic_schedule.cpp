#include "platform/ui/periodic_schedule.h"

#include <cmath>

namespace horalet::platform::ui {

namespace {

bool repeats(const PeriodicSchedule& schedule)
{
    return schedule.interval > 0.0;
}

// How many whole intervals lie between the start and `now`.
double intervalsUntil(const PeriodicSchedule& schedule, Instant now)
{
    return std::floor((now.secondsSinceEpoch - schedule.start.secondsSinceEpoch) / schedule.interval);
}

} // namespace

std::optional<Instant> PeriodicSchedule::entryAt(Instant now) const
{
    if (now < start) {
        return std::nullopt;
    }
    if (!repeats(*this)) {
        return start;
    }
    return start.advanced(intervalsUntil(*this, now) * interval);
}

std::optional<Instant> PeriodicSchedule::nextEntryAfter(Instant now) const
{
    if (now < start) {
        return start;
    }
    if (!repeats(*this)) {
        return std::nullopt;
    }
    return start.advanced((intervalsUntil(*this, now) + 1.0) * interval);
}

} // namespace horalet::platform::ui
