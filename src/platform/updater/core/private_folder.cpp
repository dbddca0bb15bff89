#include "platform/updater/core/private_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/atomic_file.h"
#include "platform/linux/system_error.h"

namespace horalet::platform::updater::engine {

Result<void> preparePrivateFolder(const std::string& path)
{
    if (Result<void> made = os::makeFolders(path, 0700); !made) {
        return made;
    }
    struct stat info { };
    if (::lstat(path.c_str(), &info) != 0) {
        return os::systemError("无法查看文件夹。", path);
    }
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::geteuid()) {
        return Error{"这不是当前用户自己的文件夹。", path};
    }
    if ((info.st_mode & 07777) != 0700 && ::chmod(path.c_str(), 0700) != 0) {
        return os::systemError("无法把文件夹设为仅本人可用。", path);
    }
    return {};
}

} // namespace horalet::platform::updater::engine
