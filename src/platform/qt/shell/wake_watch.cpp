#include "platform/qt/shell/wake_watch.h"

namespace horalet::platform::qt {

WakeWatch::WakeWatch(NotificationCenter& workspaceCenter, os::SuspendGap gap)
    : center_(workspaceCenter)
    , gap_(std::move(gap))
{
}

void WakeWatch::checkSuspendGap()
{
    if (gap_.sleptSinceLastCheck()) {
        center_.post(notifications::workspaceDidWake);
    }
}

void WakeWatch::prepareForSleep(bool starting)
{
    if (!starting) {
        center_.post(notifications::workspaceDidWake);
    }
}

} // namespace horalet::platform::qt
