#pragma once

#include <QObject>

#include "platform/foundation/notification_center.h"
#include "platform/linux/system/suspend_gap.h"

namespace horalet::platform::qt {

// Posts workspaceDidWake on the workspace's centre after the machine woke
// from sleep: logind says so on the system bus, or, where nobody runs
// logind, the boot clock ran ahead of the monotonic one between two checks.
class WakeWatch final : public QObject {
    Q_OBJECT

public:
    explicit WakeWatch(NotificationCenter& workspaceCenter, os::SuspendGap gap = os::SuspendGap());

    // Compares the kernel's clocks; cheap enough for every tick.
    void checkSuspendGap();

public Q_SLOTS:
    // logind's PrepareForSleep: false when the machine wakes up.
    void prepareForSleep(bool starting);

private:
    NotificationCenter& center_;
    os::SuspendGap gap_;
};

} // namespace horalet::platform::qt
