#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/notification_center.h"
#include "platform/shell/alert.h"
#include "platform/shell/font.h"
#include "platform/shell/status_bar.h"
#include "platform/shell/window.h"

namespace horalet::platform::qt {

// The parts of the shell that need a display: the status item in the
// desktop's panel (or a status window where the panel has no host for it),
// fonts, windows and alerts, and the Qt application that shows them.
class DesktopShell {
public:
    virtual ~DesktopShell() = default;

    virtual shell::StatusBar& statusBar() = 0;
    virtual shell::Fonts& fonts() = 0;
    virtual shell::Windows& windows() = 0;
    virtual shell::Alerts& alerts() = 0;
    // Brings the application's windows to the front.
    virtual void activate() = 0;

    // Titles the current settings can produce; the widest of them guides
    // panels to keep the item's width steady. They are asked for again
    // after `changes` posts a preferences or time-zone change.
    virtual void setLabelGuide(std::function<std::vector<std::string>()> guide, NotificationCenter& changes) = 0;
};

// Makes the Qt application for a display, then the desktop shell on it.
std::unique_ptr<DesktopShell> createDesktopShell(int& argc, char** argv);

} // namespace horalet::platform::qt
