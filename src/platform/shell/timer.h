#pragma once

#include <memory>
#include <string>

#include "platform/foundation/instant.h"
#include "platform/shell/action_target.h"

namespace horalet::platform::shell {

// A timer that sends its action to its target at its fire date and, when
// repeating, every interval after it on that schedule: a late fire does not
// shift the later ones, and fires missed entirely are skipped, not made up.
// Once invalidated it never fires again.
class Timer {
public:
    Timer(Instant fireDate, double interval, ActionTarget* target, std::string action, bool repeats);

    Instant fireDate() const { return fireDate_; }
    double interval() const { return interval_; }
    double tolerance() const { return tolerance_; }
    void setTolerance(double seconds) { tolerance_ = seconds; }
    ActionTarget* target() const { return target_; }
    const std::string& action() const { return action_; }
    bool repeats() const { return repeats_; }
    bool isValid() const { return valid_; }

    void invalidate() { valid_ = false; }

    // Called by the run loop when the fire date has come (`now` is at or
    // after it): sends the action, then moves the fire date to the first
    // scheduled instant after `now`, or invalidates a one-shot timer.
    void fire(Instant now);

private:
    Instant fireDate_;
    double interval_;
    double tolerance_ = 0.0;
    ActionTarget* target_;
    std::string action_;
    bool repeats_;
    bool valid_ = true;
};

enum class RunLoopMode { defaultMode, common };

// The main run loop. Timers added in the common modes fire also while a
// menu is open.
class RunLoop {
public:
    virtual ~RunLoop() = default;
    virtual void addTimer(std::shared_ptr<Timer> timer, RunLoopMode mode) = 0;
};

} // namespace horalet::platform::shell
