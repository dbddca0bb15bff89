#include "platform/linux/paths.h"

#include <array>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <unistd.h>

#include "build_info.h"

namespace horalet::platform::os {

namespace {

std::optional<std::string> absoluteVariable(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/') {
        return std::nullopt;
    }
    return std::string(value);
}

std::optional<std::string> resolved(const std::string& path)
{
    std::array<char, PATH_MAX> buffer{};
    if (path.empty() || ::realpath(path.c_str(), buffer.data()) == nullptr) {
        return std::nullopt;
    }
    return std::string(buffer.data());
}

std::optional<std::string> resolvedVariable(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? resolved(value) : std::nullopt;
}

std::string runningExecutable()
{
    std::array<char, PATH_MAX> buffer{};
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) {
        return {};
    }
    std::string path(buffer.data(), static_cast<std::size_t>(length));
    // A program replaced by an update while it runs still answers with its
    // old inode, which the kernel marks as deleted; the path is the same.
    constexpr std::string_view deleted = " (deleted)";
    if (path.ends_with(deleted)) {
        path.resize(path.size() - deleted.size());
    }
    return path;
}

// Mount points in mountinfo write space, tab, newline and backslash as
// three octal digits after a backslash.
std::string unescapeMountPoint(const std::string& field)
{
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string digits = field.substr(i + 1, 3);
            if (digits.find_first_not_of("01234567") == std::string::npos) {
                out.push_back(static_cast<char>(std::stoi(digits, nullptr, 8)));
                i += 3;
                continue;
            }
        }
        out.push_back(field[i]);
    }
    return out;
}

} // namespace

std::string homeFolder()
{
    if (auto home = absoluteVariable("HOME")) {
        return *home;
    }
    const passwd* entry = ::getpwuid(::getuid());
    return entry != nullptr && entry->pw_dir != nullptr ? std::string(entry->pw_dir) : std::string();
}

std::string configHome()
{
    return absoluteVariable("XDG_CONFIG_HOME").value_or(homeFolder() + "/.config");
}

std::string cacheHome()
{
    return absoluteVariable("XDG_CACHE_HOME").value_or(homeFolder() + "/.cache");
}

std::string applicationConfigFolder()
{
    return configHome() + "/" + build::kApplicationId;
}

std::string autostartFolder()
{
    return configHome() + "/autostart";
}

std::string updateCacheFolder()
{
    return cacheHome() + "/" + build::kApplicationId + "/updates";
}

std::string iconThemeFolder()
{
    return absoluteVariable("XDG_RUNTIME_DIR").value_or(cacheHome()) + "/" + build::kApplicationId + "/icons";
}

std::string programFileFor(const ProgramFacts& facts)
{
    const bool inOwnMount
        = facts.appDir && facts.appDirIsMount && facts.appImage && facts.executable.starts_with(*facts.appDir + "/");
    return inOwnMount ? *facts.appImage : facts.executable;
}

std::string runningProgramPath()
{
    ProgramFacts facts;
    facts.executable = runningExecutable();
    facts.appDir = resolvedVariable("APPDIR");
    facts.appImage = resolvedVariable("APPIMAGE");
    facts.appDirIsMount = facts.appDir && isMountPoint(*facts.appDir);
    return programFileFor(facts);
}

bool isMountPoint(const std::string& path)
{
    const auto target = resolved(path);
    if (!target) {
        return false;
    }
    std::ifstream mountinfo("/proc/self/mountinfo");
    std::string line;
    while (std::getline(mountinfo, line)) {
        // id, parent id, major:minor, root, then the mount point.
        std::istringstream fields(line);
        std::string skipped;
        std::string mountPoint;
        fields >> skipped >> skipped >> skipped >> skipped >> mountPoint;
        if (unescapeMountPoint(mountPoint) == *target) {
            return true;
        }
    }
    return false;
}

} // namespace horalet::platform::os
