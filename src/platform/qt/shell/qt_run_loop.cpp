#include "platform/qt/shell/qt_run_loop.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace horalet::platform::qt {

QtRunLoop::QtRunLoop(const Clock& clock)
    : clock_(clock)
{
}

QtRunLoop::~QtRunLoop() = default;

void QtRunLoop::addTimer(std::shared_ptr<shell::Timer> timer)
{
    dropFinished();
    Scheduled& scheduled = scheduled_.emplace_back();
    scheduled.timer = std::move(timer);
    scheduled.wakeUp.setSingleShot(true);
    scheduled.wakeUp.setTimerType(Qt::PreciseTimer);
    QObject::connect(&scheduled.wakeUp, &QTimer::timeout, [this, &scheduled] { wokeUp(scheduled); });
    arm(scheduled);
}

std::size_t QtRunLoop::scheduledCount() const
{
    return static_cast<std::size_t>(std::count_if(scheduled_.begin(), scheduled_.end(),
        [](const Scheduled& scheduled) { return scheduled.timer->isValid() && scheduled.wakeUp.isActive(); }));
}

void QtRunLoop::arm(Scheduled& scheduled)
{
    const double wait = scheduled.timer->fireDate().secondsSinceEpoch - clock_.now().secondsSinceEpoch;
    const double milliseconds = std::max(0.0, std::ceil(wait * 1000.0));
    scheduled.wakeUp.start(std::chrono::milliseconds(static_cast<std::int64_t>(milliseconds)));
}

void QtRunLoop::wokeUp(Scheduled& scheduled)
{
    shell::Timer& timer = *scheduled.timer;
    if (!timer.isValid()) {
        return;
    }
    const Instant now = clock_.now();
    if (now < timer.fireDate()) {
        arm(scheduled);
        return;
    }
    firing_ = &scheduled;
    timer.fire(now);
    firing_ = nullptr;
    if (timer.isValid()) {
        arm(scheduled);
    }
    if (afterFire_) {
        afterFire_();
    }
}

void QtRunLoop::dropFinished()
{
    scheduled_.remove_if([this](const Scheduled& scheduled) {
        return &scheduled != firing_ && (!scheduled.timer->isValid() || !scheduled.wakeUp.isActive());
    });
}

} // namespace horalet::platform::qt
