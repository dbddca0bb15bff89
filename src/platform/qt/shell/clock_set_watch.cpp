#include "platform/qt/shell/clock_set_watch.h"

#include "platform/foundation/log.h"

namespace horalet::platform::qt {

ClockSetWatch::ClockSetWatch()
{
    if (timer_.fd() < 0) {
        log::warning(Error{"无法留意系统时间的调整", timer_.error()});
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(timer_.fd(), QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
        if (timer_.takeClockSet()) {
            Q_EMIT clockSet();
        }
    });
}

} // namespace horalet::platform::qt
