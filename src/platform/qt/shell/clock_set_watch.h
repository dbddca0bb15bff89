#pragma once

#include <memory>

#include <QSocketNotifier>

#include "platform/foundation/notification_center.h"
#include "platform/linux/system/clock_set_timer.h"

namespace horalet::platform::qt {

// Posts systemClockDidChange on the centre whenever someone sets the
// system clock.
class ClockSetWatch {
public:
    explicit ClockSetWatch(NotificationCenter& center);

    bool isWatching() const { return notifier_ != nullptr; }
    const os::ClockSetTimer& timer() const { return timer_; }

private:
    NotificationCenter& center_;
    os::ClockSetTimer timer_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace horalet::platform::qt
