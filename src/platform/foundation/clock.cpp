#include "platform/foundation/clock.h"

#include <chrono>

namespace horalet::platform {

Instant SystemClock::now() const
{
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    return Instant::fromSecondsSinceEpoch(std::chrono::duration<double>(since).count());
}

} // namespace horalet::platform
