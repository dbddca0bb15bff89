#include "platform/shell/timer.h"

#include <cmath>

namespace horalet::platform::shell {

Timer::Timer(Instant fireDate, double interval, Action action, bool repeats)
    : fireDate_(fireDate)
    , interval_(interval)
    , action_(std::move(action))
    , repeats_(repeats)
{
}

void Timer::fire(Instant now)
{
    if (!valid_) {
        return;
    }
    if (!repeats_ || interval_ <= 0.0) {
        valid_ = false;
    } else {
        const double elapsed = now.secondsSinceEpoch - fireDate_.secondsSinceEpoch;
        const double steps = std::floor(elapsed / interval_) + 1.0;
        fireDate_ = fireDate_.advanced(steps * interval_);
    }
    if (action_) {
        action_();
    }
}

} // namespace horalet::platform::shell
