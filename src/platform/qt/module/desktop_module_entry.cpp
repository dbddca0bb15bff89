#include "platform/qt/module/desktop_module.h"

using namespace horalet::platform;

const qt::DesktopModule* horalet_desktop_module()
{
    static const qt::DesktopModule module{
        .createDesktopShell = qt::createDesktopShell,
        .makeUpdateDialogs = updater::engine::makeQtUpdateDialogs,
        .makeUpdateNetwork = updater::engine::makeQtUpdateNetwork,
    };
    return &module;
}
