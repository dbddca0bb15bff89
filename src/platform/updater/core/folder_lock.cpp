#include "platform/updater/core/folder_lock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

#include "platform/linux/file_lock.h"

namespace horalet::platform::updater::engine {

namespace {

int openFolder(const std::string& folder)
{
    return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

} // namespace

std::optional<FolderLock> FolderLock::acquire(const std::string& folder, std::string& error)
{
    const int fd = openFolder(folder);
    if (fd < 0) {
        error = "cannot open " + folder + ": " + std::strerror(errno);
        return std::nullopt;
    }
    if (!os::lockExclusively(fd)) {
        error = "cannot lock " + folder + ": " + std::strerror(errno);
        ::close(fd);
        return std::nullopt;
    }
    return FolderLock(fd);
}

std::optional<FolderLock> FolderLock::tryAcquire(const std::string& folder)
{
    const int fd = openFolder(folder);
    if (fd < 0) {
        return std::nullopt;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    return FolderLock(fd);
}

FolderLock::FolderLock(int fd)
    : fd_(fd)
{
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1))
{
}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

FolderLock::~FolderLock()
{
    // Closing the only descriptor releases the lock.
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

} // namespace horalet::platform::updater::engine
