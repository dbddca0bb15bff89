#pragma once

#include <string>

namespace horalet::platform::os {

// A timer on the wall clock that never expires but is cancelled by the
// kernel whenever someone sets the system clock, so its descriptor becomes
// readable exactly when the clock was set.
class ClockSetTimer {
public:
    ClockSetTimer();
    ClockSetTimer(const ClockSetTimer&) = delete;
    ClockSetTimer& operator=(const ClockSetTimer&) = delete;
    ~ClockSetTimer();

    // -1 when the timer could not be made; error() says why.
    int fd() const { return fd_; }
    const std::string& error() const { return error_; }

    // Reads the descriptor once it is readable: true when the clock was set
    // since the last call. The timer is armed again either way.
    bool takeClockSet();

private:
    bool arm();

    int fd_ = -1;
    std::string error_;
};

} // namespace horalet::platform::os
