#pragma once

#include <functional>
#include <memory>

#include "platform/foundation/instant.h"

namespace horalet::platform::shell {

// A timer that runs its action at its fire date and, when repeating, every
// interval after it on that schedule: a late fire does not shift the later
// ones, and fires missed entirely are skipped, not made up. Once
// invalidated it never fires again.
class Timer {
public:
    using Action = std::function<void()>;

    Timer(Instant fireDate, double interval, Action action, bool repeats = true);

    Instant fireDate() const { return fireDate_; }
    double interval() const { return interval_; }
    bool repeats() const { return repeats_; }
    bool isValid() const { return valid_; }

    void invalidate() { valid_ = false; }

    // Called by the run loop when the fire date has come (`now` is at or
    // after it): moves the fire date to the first scheduled instant after
    // `now`, or invalidates a one-shot timer, then runs the action.
    void fire(Instant now);

private:
    Instant fireDate_;
    double interval_;
    Action action_;
    bool repeats_;
    bool valid_ = true;
};

// The main run loop. Its timers fire also while a menu is open.
class RunLoop {
public:
    virtual ~RunLoop() = default;
    virtual void addTimer(std::shared_ptr<Timer> timer) = 0;
};

} // namespace horalet::platform::shell
