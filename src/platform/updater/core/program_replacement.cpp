#include "platform/updater/core/program_replacement.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/atomic_file.h"
#include "platform/linux/system_error.h"
#include "platform/updater/core/folder_lock.h"

namespace horalet::platform::updater::engine {

namespace {

// A hard link keeps the old file as it is without copying it; where the
// file system has no links the bytes are copied.
Result<void> keepBackup(const std::string& program, mode_t mode)
{
    const std::string backup = backupPathFor(program);
    if (::unlink(backup.c_str()) != 0 && errno != ENOENT) {
        return os::systemError("无法删除旧的备份。", backup);
    }
    if (::link(program.c_str(), backup.c_str()) == 0) {
        return {};
    }
    const Result<std::string> contents = os::readWholeFile(program);
    if (!contents) {
        return contents.error();
    }
    return os::writeFileAtomically(backup, *contents, mode);
}

} // namespace

std::string backupPathFor(const std::string& program)
{
    return program + ".old";
}

Result<void> replaceProgramFile(
    const std::string& program, std::string_view contents, const std::function<void()>& beforeRename)
{
    struct stat info { };
    if (::stat(program.c_str(), &info) != 0) {
        return os::systemError("无法读取本程序的文件。", program);
    }
    const mode_t mode = info.st_mode & 07777;
    // Held while the new file is written, so that the clean-up of another
    // copy starting now never takes the half-written file for a leftover.
    const Result<FolderLock> lock = FolderLock::acquire(os::folderOf(program));
    if (!lock) {
        return lock.error();
    }
    if (Result<void> kept = keepBackup(program, mode); !kept) {
        return kept;
    }
    return os::writeFileAtomically(program, contents, mode, beforeRename);
}

} // namespace horalet::platform::updater::engine
