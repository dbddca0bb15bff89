#include "platform/qt/shell/wake_watch.h"

namespace horalet::platform::qt {

WakeWatch::WakeWatch(os::SuspendGap gap)
    : gap_(std::move(gap))
{
}

void WakeWatch::checkSuspendGap()
{
    if (gap_.sleptSinceLastCheck()) {
        Q_EMIT woke();
    }
}

void WakeWatch::prepareForSleep(bool starting)
{
    if (!starting) {
        Q_EMIT woke();
    }
    Q_EMIT heardLogind();
}

} // namespace horalet::platform::qt
