#include "app/delegate/clock_title.h"

#include <cmath>

namespace horalet::app {

namespace {

constexpr double kSecondsPerMinute = 60.0;

// The next instant at which the zone's wall clock starts a minute; a zone
// whose offset is no whole number of minutes (local mean time before
// standard time) turns its minutes off the UTC minute.
double nextMinute(platform::Instant now, const platform::TimeZone& zone)
{
    const double local = now.secondsSinceEpoch + zone.secondsFromGMT(now);
    return now.secondsSinceEpoch + (std::floor(local / kSecondsPerMinute) + 1.0) * kSecondsPerMinute - local;
}

} // namespace

const std::string& ClockTitle::at(platform::Instant now, const platform::DateFormatter& formatter)
{
    const double seconds = now.secondsSinceEpoch;
    if (seconds >= from_ && seconds < until_) {
        return title_;
    }
    title_ = ClockFormat::text(sources_, now, formatter);
    from_ = seconds;
    const bool secondly = !formatter.dateFormat() || ClockFormat::changesWithinAMinute(*formatter.dateFormat());
    until_ = secondly ? seconds : nextMinute(now, formatter.timeZone());
    return title_;
}

} // namespace horalet::app
