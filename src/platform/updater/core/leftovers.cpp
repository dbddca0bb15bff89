#include "platform/updater/core/leftovers.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "platform/linux/atomic_file.h"

namespace horalet::platform::updater::engine {

namespace {

constexpr std::size_t kTemporarySuffix = 6;
// A leftover starts as the program does (an ELF header, say), or is empty
// when the replacement was stopped before its first write.
constexpr std::size_t kSignatureBytes = 4;

using FileId = std::pair<dev_t, ino_t>;

bool isLetterOrDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Every file some process has open, as far as this user may look: the
// files behind /proc/<pid>/fd/*.
std::set<FileId> filesInUse()
{
    std::set<FileId> inUse;
    std::error_code error;
    for (const auto& process : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = process.path().filename().string();
        if (name.empty() || !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            continue;
        }
        std::error_code fdError;
        for (const auto& fd : std::filesystem::directory_iterator(process.path() / "fd", fdError)) {
            struct stat info { };
            if (::stat(fd.path().c_str(), &info) == 0) {
                inUse.emplace(info.st_dev, info.st_ino);
            }
        }
    }
    return inUse;
}

// The first bytes of a file (fewer when it is shorter).
std::string firstBytes(const std::string& path)
{
    std::string bytes(kSignatureBytes, '\0');
    std::ifstream file(path, std::ios::binary);
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0)));
    return bytes;
}

} // namespace

bool isReplacementTemporary(const std::string& name, const std::string& programName)
{
    if (programName.empty() || name.size() != programName.size() + 1 + kTemporarySuffix
        || !name.starts_with(programName + ".")) {
        return false;
    }
    return std::all_of(name.end() - kTemporarySuffix, name.end(), isLetterOrDigit);
}

std::vector<std::string> removeReplacementLeftovers(const std::string& program)
{
    const std::string folder = platform::os::folderOf(program);
    const std::string programName = std::filesystem::path(program).filename().string();
    const std::string programStart = firstBytes(program);
    std::vector<std::string> candidates;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        struct stat info { };
        if (isReplacementTemporary(name, programName) && ::lstat(entry.path().c_str(), &info) == 0
            && S_ISREG(info.st_mode) && info.st_uid == ::geteuid()
            && (info.st_size == 0 || firstBytes(entry.path().string()) == programStart)) {
            candidates.push_back(entry.path().string());
        }
    }
    std::vector<std::string> removed;
    if (candidates.empty()) {
        return removed;
    }
    const std::set<FileId> inUse = filesInUse();
    for (const std::string& path : candidates) {
        struct stat info { };
        if (::lstat(path.c_str(), &info) == 0 && !inUse.contains({info.st_dev, info.st_ino})
            && ::unlink(path.c_str()) == 0) {
            removed.push_back(path);
        }
    }
    return removed;
}

} // namespace horalet::platform::updater::engine
