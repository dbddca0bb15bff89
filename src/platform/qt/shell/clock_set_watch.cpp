#include "platform/qt/shell/clock_set_watch.h"

#include <cstdio>

namespace horalet::platform::qt {

ClockSetWatch::ClockSetWatch(NotificationCenter& center)
    : center_(center)
{
    if (timer_.fd() < 0) {
        std::fprintf(stderr, "horalet: cannot watch for clock changes: %s\n", timer_.error().c_str());
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(timer_.fd(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        if (timer_.takeClockSet()) {
            center_.post(notifications::systemClockDidChange);
        }
    });
}

} // namespace horalet::platform::qt
