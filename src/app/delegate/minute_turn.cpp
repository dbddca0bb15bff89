#include "app/delegate/minute_turn.h"

#include <cmath>

namespace horalet::app {

namespace {

double wallSeconds(platform::Instant now, const platform::TimeZone& zone)
{
    return now.secondsSinceEpoch + zone.secondsFromGMT(now);
}

double wholeMinutes(double seconds)
{
    return std::floor(seconds / kSecondsPerMinute);
}

} // namespace

long long wallMinutes(platform::Instant now, const platform::TimeZone& zone)
{
    return static_cast<long long>(wholeMinutes(wallSeconds(now, zone)));
}

platform::Instant nextMinute(platform::Instant now, const platform::TimeZone& zone)
{
    const double local = wallSeconds(now, zone);
    return now.advanced((wholeMinutes(local) + 1.0) * kSecondsPerMinute - local);
}

} // namespace horalet::app
