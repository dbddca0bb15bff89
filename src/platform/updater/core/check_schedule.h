#pragma once

#include <optional>

namespace horalet::platform::updater::engine {

// Background checks never come closer together than this.
inline constexpr double kShortestCheckInterval = 3600.0;

// Seconds from `now` until the next scheduled background check, given when
// the last check ran (seconds since the epoch; none when never). A check
// that is due or overdue runs `overdueDelay` from now; a last check in the
// future (the clock was set back) waits no longer than one interval.
double secondsUntilNextCheck(std::optional<double> lastCheck, double now, double interval, double overdueDelay);

} // namespace horalet::platform::updater::engine
