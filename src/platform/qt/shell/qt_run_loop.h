#pragma once

#include <functional>
#include <list>
#include <memory>

#include <QTimer>

#include "platform/foundation/clock.h"
#include "platform/shell/timer.h"

namespace horalet::platform::qt {

// Timers on the wall clock's schedule. Each timer gets a precise one-shot
// Qt timer armed for its next fire date and re-armed after every fire, so
// the schedule never drifts onto Qt's own grid; a wake-up that comes before
// the fire date only re-arms. Qt timers also run inside the nested loop of
// an open menu.
class QtRunLoop final : public shell::RunLoop {
public:
    explicit QtRunLoop(const Clock& clock);
    QtRunLoop(const QtRunLoop&) = delete;
    QtRunLoop& operator=(const QtRunLoop&) = delete;
    ~QtRunLoop() override;

    void addTimer(std::shared_ptr<shell::Timer> timer) override;

    // Runs after every fire, e.g. to notice that the machine slept.
    void setAfterFire(std::function<void()> afterFire) { afterFire_ = std::move(afterFire); }

    // How many timers wait for their next fire.
    std::size_t scheduledCount() const;

private:
    struct Scheduled {
        std::shared_ptr<shell::Timer> timer;
        QTimer wakeUp;
    };

    void arm(Scheduled& scheduled);
    void wokeUp(Scheduled& scheduled);
    void dropFinished();

    const Clock& clock_;
    std::list<Scheduled> scheduled_;
    const Scheduled* firing_ = nullptr;
    std::function<void()> afterFire_;
};

} // namespace horalet::platform::qt
