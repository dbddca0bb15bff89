#pragma once

#include "platform/foundation/instant.h"
#include "platform/foundation/time_zone.h"

namespace horalet::app {

inline constexpr double kSecondsPerMinute = 60.0;

// The minutes since the epoch on the zone's wall clock at an instant. A
// zone whose offset is no whole number of minutes (local mean time before
// standard time) turns its minutes off the UTC minute, so whatever shows the
// time to the minute counts the zone's minutes, never UTC's.
long long wallMinutes(platform::Instant now, const platform::TimeZone& zone);

// The next instant at which the zone's wall clock starts a minute.
platform::Instant nextMinute(platform::Instant now, const platform::TimeZone& zone);

// How long something made at an instant holds: from that instant until
// before the instant it may change. A clock set back before the start
// leaves the span as surely as one that runs past its end.
class HeldSpan {
public:
    bool holds(platform::Instant now) const { return now >= from_ && now < until_; }
    void hold(platform::Instant from, platform::Instant until)
    {
        from_ = from;
        until_ = until;
    }
    // Holds at no instant, until the next `hold`.
    void forget() { until_ = from_; }

private:
    platform::Instant from_;
    platform::Instant until_;
};

} // namespace horalet::app
