#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/main_queue.h"
#include "platform/foundation/preferences_store.h"
#include "platform/qt/shell/desktop_shell.h"
#include "platform/shell/bar_line.h"
#include "platform/shell/shell_services.h"

namespace horalet::platform::qt {

// The desktop shell of this process on Qt: the event loop, timers, main
// queue, the status item (in the panel, or as a line on standard output),
// the system's events and the session's single instance.
class QtShell {
public:
    // Without a desktop shell, makes a Qt application without a display
    // and writes the status item's titles to standard output in the bar
    // protocol asked for; `details` completes a title into a bar's line.
    QtShell(int& argc, char** argv, std::unique_ptr<DesktopShell> desktop,
        shell::BarProtocol protocol = shell::BarProtocol::plain, shell::BarLineDetails details = {});
    QtShell(const QtShell&) = delete;
    QtShell& operator=(const QtShell&) = delete;
    ~QtShell();

    shell::ShellServices services();
    MainQueue& mainQueue();

    // Tells the system's events through services().systemEvents (clock
    // set, zone changed, wake from sleep), and reloads the store when
    // another process changes its file.
    void watchSystemEvents(PreferencesStore& store, const std::string& preferencesPath);

    // With a display, one clock per session: when another instance already
    // runs, asks it to open its settings window and answers the status this
    // process should exit with. Until this process ends, a later
    // instance's request runs `openSettings`.
    std::optional<int> deferToRunningInstance(std::function<void()> openSettings);

    // The titles the current settings can produce, asked for again after
    // the store or the system zone changed.
    void setLabelGuide(std::function<std::vector<std::string>()> guide, PreferencesStore& store);

    // In the i3bar protocol, a left click on the clock's block runs `clicked`.
    void onBarClick(std::function<void()> clicked);

    // Runs once, right after the application delegate has finished launching.
    void afterLaunch(std::function<void()> launched);

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace horalet::platform::qt
