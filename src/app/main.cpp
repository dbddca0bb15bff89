#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/command_line.h"
#include "app/clock_app.h"
#include "app/clock_text_samples.h"
#include "app/host_services.h"
#include "platform/qt/json_preferences_file.h"
#include "platform/qt/module/desktop_module.h"
#include "platform/qt/shell/qt_shell.h"
#include "platform/updater/engine/engine_factory.h"
#include "settings/settings_view.h"
#include "updates/app_updates.h"

int main(int argc, char** argv)
{
    using namespace horalet;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto status = cli::runCommand(args, std::cout, std::cerr)) {
        return *status;
    }

    app::HostServices host;
    const platform::qt::DesktopModule* desktop = nullptr;
    if (platform::qt::chooseShellMode(cli::wantsHeadless(args)) == platform::qt::ShellMode::desktop) {
        std::string error;
        desktop = platform::qt::loadDesktopModule(error);
        if (desktop == nullptr) {
            std::cerr << "horalet: the desktop parts cannot be loaded (" << error
                      << "); the clock goes to the terminal\n";
        }
    }
    platform::qt::QtShell shell(argc, argv, desktop ? desktop->createDesktopShell(argc, argv) : nullptr);
    // Another instance may ask for the settings window from the moment this
    // one claims the session, before the delegate exists.
    app::AppDelegate* clock = nullptr;
    if (const auto status = shell.deferToRunningInstance([&clock] {
            if (clock != nullptr) {
                clock->openSettings();
            }
        })) {
        return *status;
    }

    auto updaterConfig = platform::updater::engine::builtEngineConfig();
    if (desktop) {
        updaterConfig.makeDialogs = desktop->makeUpdateDialogs;
    }
    // The terminal line loads the module only once it checks for updates.
    updaterConfig.makeNetwork = []() -> std::unique_ptr<platform::updater::engine::UpdateNetwork> {
        std::string error;
        const platform::qt::DesktopModule* module = platform::qt::loadDesktopModule(error);
        return module ? module->makeUpdateNetwork() : nullptr;
    };
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
    return app::runClockApplication(services.application, delegate);
}
