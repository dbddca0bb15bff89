#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "platform/foundation/date_formatter.h"
#include "platform/foundation/notification_center.h"
#include "platform/shell/action_target.h"
#include "platform/shell/application.h"
#include "platform/shell/menu.h"
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
// tick, the status menu and its commands, and the settings window. The
// shell reaches its operations by name (menu actions, the timer's action,
// notification handlers).
class AppDelegate final : public platform::shell::ApplicationDelegate,
                          public platform::shell::MenuDelegate,
                          public platform::shell::ActionTarget {
public:
    AppDelegate(SettingsContentFactory makeSettingsContent, AppUpdates& updates);
    AppDelegate(const AppDelegate&) = delete;
    AppDelegate& operator=(const AppDelegate&) = delete;

    void applicationDidFinishLaunching() override;
    void menuWillOpen(platform::shell::Menu& menu) override;
    bool perform(std::string_view action) override;

    // The live tick timer and the settings window, once they exist.
    const std::shared_ptr<platform::shell::Timer>& timer() const { return timer_; }
    const platform::shell::Window* settingsWindow() const { return settingsWindow_.get(); }

private:
    void restartTimer();
    void tick();
    void settingsChanged();
    void fillMenu();
    void checkUpdates();
    void installReadyUpdate();
    void toggleLogin();
    void openSettings();

    void applyFont();
    void startTimer();
    void refreshTitle();
    void rebuildForSettings();
    void buildMenu();
    void subscribe(platform::NotificationCenter& center, std::string_view name, std::string_view action);

    std::shared_ptr<platform::shell::StatusItem> statusItem_;
    platform::DateFormatter formatter_;
    std::shared_ptr<platform::shell::Timer> timer_;
    std::unique_ptr<platform::shell::Window> settingsWindow_;
    std::shared_ptr<platform::shell::MenuItem> headerItem_;
    std::shared_ptr<platform::shell::MenuItem> localItem_;
    std::shared_ptr<platform::shell::MenuItem> readyUpdateItem_;
    std::shared_ptr<platform::shell::MenuItem> checkUpdateItem_;
    std::shared_ptr<platform::shell::MenuItem> loginItem_;

    SettingsContentFactory makeSettingsContent_;
    AppUpdates& updates_;
};

} // namespace horalet::app
