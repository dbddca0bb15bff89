#include "platform/updater/core/private_folder.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/atomic_file.h"

namespace horalet::platform::updater::engine {

bool preparePrivateFolder(const std::string& path, std::string& error)
{
    if (!os::makeFolders(path, 0700, error)) {
        return false;
    }
    struct stat info { };
    if (::lstat(path.c_str(), &info) != 0) {
        error = "cannot inspect " + path + ": " + std::strerror(errno);
        return false;
    }
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) {
        error = path + " is not a folder of this user";
        return false;
    }
    if ((info.st_mode & 07777) != 0700 && ::chmod(path.c_str(), 0700) != 0) {
        error = "cannot make " + path + " private: " + std::strerror(errno);
        return false;
    }
    return true;
}

} // namespace horalet::platform::updater::engine
