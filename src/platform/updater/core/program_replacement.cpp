#include "platform/updater/core/program_replacement.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/atomic_file.h"
#include "platform/updater/core/folder_lock.h"

namespace horalet::platform::updater::engine {

namespace {

// A hard link keeps the old file as it is without copying it; where the
// file system has no links the bytes are copied.
bool keepBackup(const std::string& program, mode_t mode, std::string& error)
{
    const std::string backup = backupPathFor(program);
    if (::unlink(backup.c_str()) != 0 && errno != ENOENT) {
        error = "cannot remove the old backup " + backup + ": " + std::strerror(errno);
        return false;
    }
    if (::link(program.c_str(), backup.c_str()) == 0) {
        return true;
    }
    std::string contents;
    return os::readWholeFile(program, contents, error) && os::writeFileAtomically(backup, contents, mode, error);
}

} // namespace

std::string backupPathFor(const std::string& program)
{
    return program + ".old";
}

bool replaceProgramFile(const std::string& program, std::string_view contents, std::string& error,
    const std::function<void()>& beforeRename)
{
    struct stat info { };
    if (::stat(program.c_str(), &info) != 0) {
        error = "cannot read " + program + ": " + std::strerror(errno);
        return false;
    }
    const mode_t mode = info.st_mode & 07777;
    // Held while the new file is written, so that the clean-up of another
    // copy starting now never takes the half-written file for a leftover.
    const auto lock = FolderLock::acquire(os::folderOf(program), error);
    if (!lock) {
        return false;
    }
    return keepBackup(program, mode, error) && os::writeFileAtomically(program, contents, mode, error, beforeRename);
}

} // namespace horalet::platform::updater::engine
