#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/clock_request.h"
#include "app/cli/command_line.h"
#include "app/cli/host_services.h"
#include "app/clock_text_samples.h"
#include "app/delegate/bar_lines.h"
#include "app/delegate/clock_app.h"
#include "clock/settings_keys.h"
#include "platform/linux/system/standard_streams.h"
#include "platform/qt/json_preferences_file.h"
#include "platform/qt/shell/desktop/platform_probes.h"
#include "platform/qt/shell/desktop/single_instance.h"
#include "platform/qt/shell/qt_shell.h"
#include "platform/updater/dialogs/qt_update_dialogs.h"
#include "platform/updater/engine/engine_factory.h"
#include "platform/updater/network/qt_update_network.h"
#include "settings/settings_view.h"
#include "updates/app_updates.h"

int main(int argc, char** argv)
{
    using namespace horalet;
    const bool hasOutput = platform::os::holdStandardStreams();
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto status = cli::runCommand(args, std::cout, std::cerr)) {
        return *status;
    }
    std::string unused;
    const cli::ClockRequest request = cli::clockRequest(args, unused).value_or(cli::ClockRequest{});
    using Kind = cli::ClockRequest::Kind;

    app::HostServices host;
    // Qt aborts when it cannot start the platform it tries: the display is
    // chosen before Qt starts, and where none can be used the clock goes on
    // without one.
    using Platform = platform::qt::PlatformChoice::Kind;
    const Platform display
        = request.kind == Kind::terminal ? Platform::terminal : platform::qt::choosePlatformHere().kind;
    const bool withDisplay = display != Platform::terminal;
    const bool showsWindows = display == Platform::desktop;
    if (!showsWindows && request.kind == Kind::settings) {
        return cli::badInput(std::cerr, "没有显示器，无法打开设置窗口。");
    }
    if (!showsWindows && request.kind == Kind::window) {
        return cli::badInput(std::cerr, "没有显示器，无法显示状态窗口。");
    }
    if (!withDisplay && !hasOutput) {
        // A line nobody can read: the same as a reader that has gone.
        return 0;
    }
    // Another instance, or a middle click on the panel's item, may ask for
    // the settings window before the delegate exists.
    app::AppDelegate* clock = nullptr;
    const auto openSettings = [&clock] {
        if (clock != nullptr) {
            clock->openSettings();
        }
    };
    app::BarLines barLines(host.clockSources());
    platform::qt::QtShell shell(argc, argv,
        withDisplay ? platform::qt::createDesktopShell(argc, argv,
            {host.store, shellKeys::statusWindowPlace, shellKeys::gnomeHostHintGiven, request.kind == Kind::window,
                openSettings})
                    : nullptr,
        request.protocol, [&barLines, &host](const std::string& title, bool withTooltip) {
            return barLines.line(title, host.clock.now(), withTooltip);
        });
    if (const auto status = shell.deferToRunningInstance(openSettings)) {
        return *status;
    }
    shell.onBarClick(platform::qt::SingleInstance::askRunningInstanceToOpenSettings);

    auto updaterConfig = platform::updater::engine::builtEngineConfig({updaterKeys::automaticallyChecks,
        updaterKeys::automaticallyDownloads, updaterKeys::lastCheckTime, updaterKeys::feedUrl});
    if (showsWindows) {
        updaterConfig.makeDialogs = platform::updater::engine::makeQtUpdateDialogs;
    }
    updaterConfig.makeNetwork = platform::updater::engine::makeQtUpdateNetwork;
    const auto updaterFactory
        = platform::updater::engine::makeEngineFactory(std::move(updaterConfig), host.store, host.clock);
    const platform::shell::ShellServices services = shell.services();
    AppUpdates updates({*updaterFactory, host.store, shell.mainQueue(), services.application});
    shell.watchSystemEvents(host.store, platform::qt::JsonPreferencesFile::defaultPath());
    shell.setLabelGuide([&host] { return app::clockTextSamples(host.clockSources()); }, host.store);

    app::AppDelegate delegate(
        {host.store, host.environment, host.clock, shell.mainQueue(), services, updates, [&host, &updates] {
             return std::make_shared<SettingsView>(
                 SettingsView::Parts{host.store, host.environment, host.clock, updates});
         }});
    clock = &delegate;
    if (request.kind == Kind::settings) {
        shell.afterLaunch([&delegate] { delegate.openSettings(); });
    }
    return app::runClockApplication(services.application, delegate);
}
