#pragma once

#include <memory>
#include <string>

#include "platform/qt/shell/desktop_shell.h"
#include "platform/updater/engine/update_dialogs.h"
#include "platform/updater/engine/update_network.h"

namespace horalet::platform::qt {

// The program's parts that need more than Qt Core and ICU: the desktop
// shell (Qt Gui, Widgets, D-Bus), the update dialogs, and the network and
// signature checks of updates (Qt Network, OpenSSL). They travel inside
// the program file, so that an update replaces all of it at once, and load
// only where they are used: the terminal line never maps a graphics or
// network library unless it checks for updates.
struct DesktopModule {
    std::unique_ptr<DesktopShell> (*createDesktopShell)(int& argc, char** argv);
    std::unique_ptr<updater::engine::UpdateDialogs> (*makeUpdateDialogs)();
    std::unique_ptr<updater::engine::UpdateNetwork> (*makeUpdateNetwork)();
    // Asks the session's running clock, if one runs, to open its settings
    // window; does not wait for the answer and starts nothing.
    void (*askRunningInstanceToOpenSettings)();
};

// Loads the module the first time and answers it from then on; none, with
// the reason in `error`, when it cannot be loaded.
const DesktopModule* loadDesktopModule(std::string& error);

} // namespace horalet::platform::qt

// The module's one entry point.
extern "C" const horalet::platform::qt::DesktopModule* horalet_desktop_module();
