#pragma once

#include <memory>

#include <QObject>
#include <QSocketNotifier>

#include "platform/linux/system/clock_set_timer.h"

namespace horalet::platform::qt {

// Tells clockSet whenever someone sets the system clock.
class ClockSetWatch final : public QObject {
    Q_OBJECT

public:
    ClockSetWatch();

    bool isWatching() const { return notifier_ != nullptr; }
    const os::ClockSetTimer& timer() const { return timer_; }

Q_SIGNALS:
    void clockSet();

private:
    os::ClockSetTimer timer_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace horalet::platform::qt
