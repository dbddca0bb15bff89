#pragma once

#include <QObject>

#include "platform/linux/system/suspend_gap.h"

namespace horalet::platform::qt {

// Tells woke after the machine woke from sleep: logind says so on the
// system bus, or, where nobody runs logind, the boot clock ran ahead of the
// monotonic one between two checks. Every word from logind, waking or not,
// ends in heardLogind.
class WakeWatch final : public QObject {
    Q_OBJECT

public:
    explicit WakeWatch(os::SuspendGap gap = os::SuspendGap());

    // Compares the kernel's clocks; cheap enough for every tick.
    void checkSuspendGap();

Q_SIGNALS:
    void woke();
    void heardLogind();

public Q_SLOTS:
    // logind's PrepareForSleep: false when the machine wakes up.
    void prepareForSleep(bool starting);

private:
    os::SuspendGap gap_;
};

} // namespace horalet::platform::qt
