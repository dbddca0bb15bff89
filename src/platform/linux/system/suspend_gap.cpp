#include "platform/linux/system/suspend_gap.h"

#include <ctime>

namespace horalet::platform::os {

namespace {

double seconds(clockid_t clock)
{
    timespec now{};
    ::clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

} // namespace

BootAndMonotonic readBootAndMonotonic()
{
    return BootAndMonotonic{seconds(CLOCK_BOOTTIME), seconds(CLOCK_MONOTONIC)};
}

SuspendGap::SuspendGap(Reader reader, double threshold)
    : reader_(std::move(reader))
    , threshold_(threshold)
{
    const BootAndMonotonic now = reader_();
    gap_ = now.boottime - now.monotonic;
}

bool SuspendGap::sleptSinceLastCheck()
{
    const BootAndMonotonic now = reader_();
    const double gap = now.boottime - now.monotonic;
    const bool slept = gap - gap_ > threshold_;
    gap_ = gap;
    return slept;
}

} // namespace horalet::platform::os
