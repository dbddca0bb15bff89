#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "app/delegate/clock_title.h"
#include "app/delegate/status_glance.h"
#include "clock/clock_format.h"
#include "platform/foundation/clock.h"
#include "platform/foundation/date_formatter.h"
#include "platform/foundation/main_queue.h"
#include "platform/foundation/preferences_store.h"
#include "platform/foundation/signal.h"
#include "platform/foundation/system_environment.h"
#include "platform/shell/application.h"
#include "platform/shell/menu.h"
#include "platform/shell/shell_services.h"
#include "platform/shell/status_bar.h"
#include "platform/shell/timer.h"
#include "platform/shell/window.h"

namespace horalet {
class AppUpdates;
}

namespace horalet::app {

// Makes the root view of the settings window, once, when it is first opened.
using SettingsContentFactory = std::function<std::shared_ptr<platform::ui::View>()>;

// The one application delegate. It owns everything the user sees in the
// panel: the status item and its font, the clock title and the one-second
// tick, the status menu and its commands, and the settings window.
class AppDelegate final : public platform::shell::ApplicationDelegate, public platform::shell::MenuDelegate {
public:
    // What the delegate works with; all of it outlives the delegate.
    struct Parts {
        platform::PreferencesStore& store;
        platform::SystemEnvironment& environment;
        const platform::Clock& clock;
        platform::MainQueue& mainQueue;
        platform::shell::ShellServices shell;
        AppUpdates& updates;
        SettingsContentFactory makeSettingsContent;
    };

    explicit AppDelegate(Parts parts);
    AppDelegate(const AppDelegate&) = delete;
    AppDelegate& operator=(const AppDelegate&) = delete;
    ~AppDelegate() override;

    void applicationDidFinishLaunching() override;
    void menuWillOpen(platform::shell::Menu& menu) override;

    // The timer's action, and the handlers of the system's and the store's events.
    void tick();
    void restartTimer();
    void settingsChanged();

    // The menu's commands.
    void checkUpdates();
    void installReadyUpdate();
    void toggleLogin();
    void openSettings();

    // The live tick timer and the settings window, once they exist.
    const std::shared_ptr<platform::shell::Timer>& timer() const { return timer_; }
    const platform::shell::Window* settingsWindow() const { return settingsWindow_.get(); }

private:
    void applyFont();
    void startTimer();
    void refreshTitle();
    void rebuildForSettings();
    void buildMenu();
    ClockSources sources() const { return ClockSources{parts_.store, parts_.environment}; }

    Parts parts_;
    std::shared_ptr<platform::shell::StatusItem> statusItem_;
    platform::DateFormatter formatter_;
    ClockTitle title_;
    StatusGlances glances_;
    std::shared_ptr<platform::shell::Timer> timer_;
    std::unique_ptr<platform::shell::Window> settingsWindow_;
    std::shared_ptr<platform::shell::MenuItem> headerItem_;
    std::shared_ptr<platform::shell::MenuItem> localItem_;
    std::shared_ptr<platform::shell::MenuItem> readyUpdateItem_;
    std::shared_ptr<platform::shell::MenuItem> checkUpdateItem_;
    std::shared_ptr<platform::shell::MenuItem> loginItem_;
    std::vector<platform::Connection> subscriptions_;
    platform::QueueContext main_;
};

} // namespace horalet::app
