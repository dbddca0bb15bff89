#include "platform/linux/system/xdg_login_items.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/linux/atomic_file.h"
#include "platform/linux/system/autostart_entry.h"

namespace horalet::platform::os {

XdgLoginItems::XdgLoginItems(std::string entryPath, std::string programPath)
    : entryPath_(std::move(entryPath))
    , programPath_(std::move(programPath))
{
}

shell::LoginItemStatus XdgLoginItems::status() const
{
    const Result<std::string> text = readWholeFile(entryPath_);
    if (!text) {
        return shell::LoginItemStatus::notRegistered;
    }
    return autostart::isEnabled(*text) ? shell::LoginItemStatus::enabled : shell::LoginItemStatus::requiresApproval;
}

Result<void> XdgLoginItems::registerItem()
{
    if (programPath_.empty() || programPath_.front() != '/') {
        return Error{"找不到本程序的位置，无法创建开机启动项", programPath_};
    }
    if (const Result<void> made = makeFolders(folderOf(entryPath_), 0700); !made) {
        return Error{"无法创建自启动文件夹 " + folderOf(entryPath_), made.error().detail};
    }
    if (const Result<void> written
        = writeFileAtomically(entryPath_, autostart::entryText("Horalet", programPath_), 0644);
        !written) {
        return Error{"无法写入自启动项 " + entryPath_, written.error().detail};
    }
    return {};
}

Result<void> XdgLoginItems::unregisterItem()
{
    if (::unlink(entryPath_.c_str()) != 0 && errno != ENOENT) {
        return Error{"无法删除自启动项 " + entryPath_, std::strerror(errno)};
    }
    return {};
}

} // namespace horalet::platform::os
