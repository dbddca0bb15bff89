#include "platform/linux/system/clock_set_timer.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

namespace horalet::platform::os {

namespace {

// Far enough ahead that the timer never expires in a run, near enough to
// stay within what the kernel accepts.
constexpr std::time_t kTenYears = std::time_t{10} * 365 * 24 * 60 * 60;

} // namespace

ClockSetTimer::ClockSetTimer()
    : fd_(::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC))
{
    if (fd_ < 0) {
        error_ = std::string("timerfd_create: ") + std::strerror(errno);
        return;
    }
    if (!arm()) {
        ::close(fd_);
        fd_ = -1;
    }
}

ClockSetTimer::~ClockSetTimer()
{
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool ClockSetTimer::arm()
{
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    itimerspec expiry{};
    expiry.it_value.tv_sec = now.tv_sec + kTenYears;
    if (::timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &expiry, nullptr) != 0) {
        error_ = std::string("timerfd_settime: ") + std::strerror(errno);
        return false;
    }
    return true;
}

bool ClockSetTimer::takeClockSet()
{
    if (fd_ < 0) {
        return false;
    }
    std::uint64_t expirations = 0;
    ssize_t got = 0;
    do {
        got = ::read(fd_, &expirations, sizeof expirations);
    } while (got < 0 && errno == EINTR);
    const bool clockSet = got < 0 && errno == ECANCELED;
    if (got < 0 && errno == EAGAIN) {
        return false;
    }
    arm();
    return clockSet;
}

} // namespace horalet::platform::os
