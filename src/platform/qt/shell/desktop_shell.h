#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/preference_schema.h"
#include "platform/foundation/preferences_store.h"
#include "platform/foundation/signal.h"
#include "platform/shell/alert.h"
#include "platform/shell/font.h"
#include "platform/shell/status_bar.h"
#include "platform/shell/window.h"

namespace horalet::platform::qt {

class WakeWatch;
class ZoneWatch;

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
    // after either signal told of a change.
    virtual void setLabelGuide(
        std::function<std::vector<std::string>()> guide, Signal<>& settingsChanged, Signal<>& zoneChanged)
        = 0;

    // One clock per session: when another instance already runs, asks it
    // to open its settings window and answers the status this process
    // should exit with. Until this process ends, a later instance's request
    // runs `openSettings`.
    virtual std::optional<int> deferToRunningInstance(std::function<void()> openSettings) = 0;

    // Feeds the system bus's time-and-date and sleep services into the
    // watches. False when nobody there tells of sleep: then the wake watch
    // must check suspend gaps.
    virtual bool followSystemBus(ZoneWatch& zone, WakeWatch& wake) = 0;
};

// What the desktop shell keeps in the preferences store, and how the user
// asked to see the clock.
struct DesktopOptions {
    PreferencesStore& store;
    // Where the user left the status window.
    Setting<std::string> statusWindowPlace;
    // Whether GNOME's user was told how to get a panel host.
    Setting<bool> gnomeHostHintGiven;
    // The clock in its status window, never in the panel.
    bool statusWindowChosen = false;
    // What a middle click on the panel's item does.
    std::function<void()> openSettings;
};

// Makes the Qt application for a display, then the desktop shell on it.
std::unique_ptr<DesktopShell> createDesktopShell(int& argc, char** argv, const DesktopOptions& options);

} // namespace horalet::platform::qt
