#include "platform/updater/core/mapped_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace horalet::platform::updater::engine {

std::optional<MappedFile> MappedFile::open(const std::string& path, std::string& error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    struct stat info { };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = path + " is not a regular file";
        ::close(fd);
        return std::nullopt;
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    if (size == 0) {
        ::close(fd);
        return MappedFile(nullptr, 0);
    }
    void* data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    const int mapError = errno;
    // The mapping keeps the file's pages; the descriptor is no longer needed.
    ::close(fd);
    if (data == MAP_FAILED) {
        error = "cannot map " + path + ": " + std::strerror(mapError);
        return std::nullopt;
    }
    ::madvise(data, size, MADV_SEQUENTIAL);
    return MappedFile(static_cast<const char*>(data), size);
}

MappedFile::MappedFile(const char* data, std::size_t size)
    : data_(data)
    , size_(size)
{
}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr))
    , size_(std::exchange(other.size_, 0))
{
}

MappedFile::~MappedFile()
{
    if (data_ != nullptr) {
        ::munmap(const_cast<char*>(data_), size_);
    }
}

bool writeBack(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) {
        return false;
    }
    const bool written = ::fdatasync(fd) == 0;
    ::close(fd);
    return written;
}

} // namespace horalet::platform::updater::engine
