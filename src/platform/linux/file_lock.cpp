#include "platform/linux/file_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/linux/system_error.h"

namespace horalet::platform::os {

namespace {

constexpr mode_t kLockFileMode = 0600;

} // namespace

bool lockExclusively(int fd)
{
    int result = 0;
    do {
        result = ::flock(fd, LOCK_EX);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

FileLock::FileLock(const std::string& path)
    : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, kLockFileMode))
{
    if (fd_ < 0) {
        error_ = systemError("无法打开锁文件。", path);
        return;
    }
    if (!lockExclusively(fd_)) {
        error_ = systemError("无法锁定文件。", path);
        ::close(fd_);
        fd_ = -1;
    }
}

FileLock::~FileLock()
{
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

} // namespace horalet::platform::os
