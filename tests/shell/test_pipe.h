#pragma once

#include <csignal>
#include <fcntl.h>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

namespace horalet::testing {

// A pipe whose reading end the test drains or closes.
class Pipe {
public:
    Pipe()
    {
        if (::pipe2(ends_, O_CLOEXEC | O_NONBLOCK) != 0) {
            ADD_FAILURE() << "pipe2";
        }
    }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;
    ~Pipe()
    {
        closeReader();
        ::close(ends_[1]);
    }
    int writer() const { return ends_[1]; }
    void closeReader()
    {
        if (ends_[0] >= 0) {
            ::close(ends_[0]);
            ends_[0] = -1;
        }
    }
    std::string drain() const
    {
        std::string text;
        char buffer[256];
        ssize_t got = 0;
        while ((got = ::read(ends_[0], buffer, sizeof buffer)) > 0) {
            text.append(buffer, static_cast<std::size_t>(got));
        }
        return text;
    }

private:
    int ends_[2] = {-1, -1};
};

// A write to a pipe without reader fails with EPIPE instead of ending the test program.
class IgnoredSigpipe {
public:
    IgnoredSigpipe()
        : previous_(std::signal(SIGPIPE, SIG_IGN))
    {
    }
    IgnoredSigpipe(const IgnoredSigpipe&) = delete;
    IgnoredSigpipe& operator=(const IgnoredSigpipe&) = delete;
    ~IgnoredSigpipe() { std::signal(SIGPIPE, previous_); }

private:
    void (*previous_)(int);
};

} // namespace horalet::testing
