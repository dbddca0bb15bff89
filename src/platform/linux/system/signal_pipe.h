#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace horalet::platform::os {

// Turns the arrival of signals into bytes on a pipe that an event loop can
// watch: the handler only writes one byte, which is safe in a handler.
// One per process; the handlers stay until it is destroyed.
class SignalPipe {
public:
    explicit SignalPipe(std::initializer_list<int> signals);
    SignalPipe(const SignalPipe&) = delete;
    SignalPipe& operator=(const SignalPipe&) = delete;
    ~SignalPipe();

    // -1 when the pipe could not be made; error() says why.
    int readFd() const { return readFd_; }
    const std::string& error() const { return error_; }

    // Empties the pipe once it is readable; answers the last signal that
    // arrived, or 0 when none did.
    int takeSignal();

private:
    int readFd_ = -1;
    std::vector<int> signals_;
    std::string error_;
};

} // namespace horalet::platform::os
