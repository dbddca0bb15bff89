#include "platform/updater/core/check_schedule.h"

#include <algorithm>

namespace horalet::platform::updater::engine {

double secondsUntilNextCheck(std::optional<double> lastCheck, double now, double interval, double overdueDelay)
{
    interval = std::max(interval, kShortestCheckInterval);
    if (!lastCheck) {
        return overdueDelay;
    }
    return std::clamp(*lastCheck + interval - now, overdueDelay, interval);
}

} // namespace horalet::platform::updater::engine
