#pragma once

#include <cmath>

namespace horalet::platform {

// A point in time as seconds since the Unix epoch. The reference date of
// 2001-01-01T00:00:00Z lies on a whole second, so whole-second arithmetic
// gives the same instants in either epoch.
struct Instant {
    static constexpr double kReferenceDateSinceEpoch = 978307200.0;

    double secondsSinceEpoch = 0.0;

    static constexpr Instant fromSecondsSinceEpoch(double seconds) { return Instant{seconds}; }
    static constexpr Instant fromSecondsSinceReferenceDate(double seconds)
    {
        return Instant{seconds + kReferenceDateSinceEpoch};
    }

    constexpr double secondsSinceReferenceDate() const { return secondsSinceEpoch - kReferenceDateSinceEpoch; }
    constexpr double millisecondsSinceEpoch() const { return secondsSinceEpoch * 1000.0; }

    constexpr Instant advanced(double seconds) const { return Instant{secondsSinceEpoch + seconds}; }

    friend constexpr auto operator<=>(const Instant&, const Instant&) = default;
};

} // namespace horalet::platform
