#include "platform/updater/core/program_file.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/atomic_file.h"

namespace horalet::platform::updater::engine {

namespace {

// Folders whose programs the distribution's package manager installs and
// updates.
bool isDistributionPath(const std::string& path)
{
    constexpr std::array<std::string_view, 5> managed = {"/usr/", "/bin/", "/sbin/", "/lib/", "/lib64/"};
    if (path.starts_with("/usr/local/")) {
        return false;
    }
    for (const std::string_view folder : managed) {
        if (path.starts_with(folder)) {
            return true;
        }
    }
    return false;
}

// Tries what replacing needs: creating a file beside the program. Asking
// access() would not do, since it says yes to root even where creating
// fails.
std::optional<std::string> whyFolderNotWritable(const std::string& folder)
{
    std::string probe = folder + "/.horalet-probe-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) {
        return "cannot create files in " + folder + ": " + std::strerror(errno);
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return std::nullopt;
}

} // namespace

std::optional<std::string> whyProgramNotReplaceable(const std::string& path)
{
    if (path.empty()) {
        return "the program file is unknown";
    }
    struct stat info { };
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return path + " is not a regular file";
    }
    if (isDistributionPath(path)) {
        return path + " belongs to the distribution; its package manager updates it";
    }
    return whyFolderNotWritable(os::folderOf(path));
}

} // namespace horalet::platform::updater::engine
