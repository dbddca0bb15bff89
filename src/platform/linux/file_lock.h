#pragma once

#include <string>

#include "platform/foundation/result.h"

namespace horalet::platform::os {

// Waits for an exclusive flock on an open descriptor, through interrupted
// waits; false (with errno set) when it cannot be had.
bool lockExclusively(int fd);

// An exclusive advisory lock (flock) on a lock file, held from construction
// until destruction; every process that takes the same lock waits its turn.
// The lock file is created when missing and never removed, so that two
// processes can never hold locks on two different files of the same name.
class FileLock {
public:
    explicit FileLock(const std::string& path);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    bool held() const { return fd_ >= 0; }
    // Why the lock could not be taken.
    const Error& error() const { return error_; }

private:
    int fd_ = -1;
    Error error_;
};

} // namespace horalet::platform::os
