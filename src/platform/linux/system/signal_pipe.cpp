#include "platform/linux/system/signal_pipe.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace horalet::platform::os {

namespace {

volatile std::sig_atomic_t writeEnd = -1;

void forwardSignal(int signal)
{
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = saved;
}

} // namespace

SignalPipe::SignalPipe(std::initializer_list<int> signals)
    : signals_(signals)
{
    int ends[2] = {-1, -1};
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        error_ = std::string("pipe2: ") + std::strerror(errno);
        return;
    }
    readFd_ = ends[0];
    writeEnd = ends[1];
    struct sigaction action { };
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : signals_) {
        ::sigaction(signal, &action, nullptr);
    }
}

SignalPipe::~SignalPipe()
{
    if (readFd_ < 0) {
        return;
    }
    for (const int signal : signals_) {
        std::signal(signal, SIG_DFL);
    }
    ::close(writeEnd);
    writeEnd = -1;
    ::close(readFd_);
}

int SignalPipe::takeSignal()
{
    int last = 0;
    unsigned char bytes[16];
    ssize_t got = 0;
    while ((got = ::read(readFd_, bytes, sizeof bytes)) > 0) {
        last = bytes[got - 1];
    }
    return last;
}

} // namespace horalet::platform::os
