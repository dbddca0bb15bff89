#pragma once

#include <functional>

namespace horalet::platform::os {

// Two readings of the kernel's clocks at one moment, in seconds: the boot
// clock keeps counting while the machine is suspended, the monotonic one
// does not.
struct BootAndMonotonic {
    double boottime = 0.0;
    double monotonic = 0.0;
};

BootAndMonotonic readBootAndMonotonic();

// Tells, from one check to the next, whether the machine was suspended in
// between: the boot clock then ran ahead of the monotonic clock.
class SuspendGap {
public:
    using Reader = std::function<BootAndMonotonic()>;

    explicit SuspendGap(Reader reader = readBootAndMonotonic, double threshold = 1.0);

    // True when the gap between the two clocks grew by more than the
    // threshold since the previous check (or since construction).
    bool sleptSinceLastCheck();

private:
    Reader reader_;
    double threshold_;
    double gap_;
};

} // namespace horalet::platform::os
