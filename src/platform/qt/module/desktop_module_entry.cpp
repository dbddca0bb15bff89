#include "platform/qt/module/desktop_module.h"
#include "platform/qt/shell/desktop/single_instance.h"

using namespace horalet::platform;

const qt::DesktopModule* horalet_desktop_module()
{
    static const qt::DesktopModule module{
        .createDesktopShell = qt::createDesktopShell,
        .makeUpdateDialogs = updater::engine::makeQtUpdateDialogs,
        .makeUpdateNetwork = updater::engine::makeQtUpdateNetwork,
        .askRunningInstanceToOpenSettings = qt::SingleInstance::askRunningInstanceToOpenSettings,
    };
    return &module;
}
