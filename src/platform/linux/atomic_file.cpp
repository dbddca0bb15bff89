#include "platform/linux/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/system_error.h"

namespace horalet::platform::os {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : fd_(fd)
    {
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view contents)
{
    while (!contents.empty()) {
        const ssize_t written = ::write(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The six characters mkstemp puts in place of XXXXXX.
bool isTemporarySuffix(std::string_view suffix)
{
    constexpr std::size_t kLength = 6;
    return suffix.size() == kLength && std::all_of(suffix.begin(), suffix.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

} // namespace

std::string folderOf(const std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

Result<void> makeFolders(const std::string& path, mode_t mode)
{
    if (path.empty()) {
        return {};
    }
    struct stat info { };
    if (::stat(path.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            return {};
        }
        errno = ENOTDIR;
        return systemError("无法创建文件夹。", path);
    }
    const std::string parent = folderOf(path);
    if (parent != path) {
        if (Result<void> made = makeFolders(parent, mode); !made) {
            return made;
        }
    }
    if (::mkdir(path.c_str(), mode) != 0 && errno != EEXIST) {
        return systemError("无法创建文件夹。", path);
    }
    return {};
}

Result<void> writeFileAtomically(
    const std::string& path, std::string_view contents, mode_t mode, const std::function<void()>& beforeRename)
{
    const std::string folder = folderOf(path);
    std::string temporary = path + ".XXXXXX";
    FileDescriptor fd(::mkstemp(temporary.data()));
    if (!fd.valid()) {
        return systemError("无法在文件夹中新建文件。", folder);
    }
    const bool complete = ::fchmod(fd.get(), mode) == 0 && writeAll(fd.get(), contents) && ::fsync(fd.get()) == 0;
    if (!complete) {
        Error error = systemError("无法写入文件。", temporary);
        ::unlink(temporary.c_str());
        return error;
    }
    if (beforeRename) {
        beforeRename();
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        Error error = systemError("无法替换文件。", path);
        ::unlink(temporary.c_str());
        return error;
    }
    const FileDescriptor folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.valid()) {
        ::fsync(folderFd.get());
    }
    return {};
}

void removeLeftoverTemporaries(const std::string& path)
{
    const std::string folder = folderOf(path);
    const std::string prefix = path.substr(path.find_last_of('/') + 1) + ".";
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name.starts_with(prefix) && isTemporarySuffix(name.substr(prefix.size()))) {
            ::unlinkat(::dirfd(listing), entry->d_name, 0);
        }
    }
    ::closedir(listing);
}

Result<std::string> readWholeFile(const std::string& path)
{
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        return systemError("无法打开文件。", path);
    }
    std::string contents;
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return systemError("无法读取文件。", path);
        }
        if (got == 0) {
            return contents;
        }
        contents.append(buffer, static_cast<std::size_t>(got));
    }
}

} // namespace horalet::platform::os
