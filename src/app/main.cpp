#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/command_line.h"
#include "app/clock_app.h"
#include "app/clock_text_samples.h"
#include "app/host_services.h"
#include "clock/settings_keys.h"
#include "platform/foundation/bundle_info.h"
#include "platform/qt/json_preferences_file.h"
#include "platform/qt/module/desktop_module.h"
#include "platform/qt/shell/qt_shell.h"
#include "platform/updater/engine/engine_factory.h"
#include "settings/settings_view.h"

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
    if (const auto status = shell.deferToRunningInstance()) {
        return *status;
    }

    platform::BuiltBundleInfo bundle;
    auto updaterConfig = platform::updater::engine::builtEngineConfig({updaterKeys::automaticallyChecks,
        updaterKeys::automaticallyDownloads, updaterKeys::lastCheckTime, updaterKeys::feedUrl});
    if (desktop) {
        updaterConfig.makeDialogs = desktop->makeUpdateDialogs;
    }
    // The terminal line loads the module only once it checks for updates.
    updaterConfig.makeNetwork = []() -> std::unique_ptr<platform::updater::engine::UpdateNetwork> {
        std::string error;
        const platform::qt::DesktopModule* module = platform::qt::loadDesktopModule(error);
        return module ? module->makeUpdateNetwork() : nullptr;
    };
    const auto updaterFactory = platform::updater::engine::makeEngineFactory(std::move(updaterConfig));
    host.services().bundle = &bundle;
    host.services().updaterFactory = updaterFactory.get();
    host.services().shell = shell.services();
    host.setMainQueue(&shell.mainQueue());
    shell.watchSystemEvents(platform::qt::JsonPreferencesFile::defaultPath());
    shell.setLabelGuide(app::clockTextSamples);
    return app::runClockApplication([] { return std::make_shared<SettingsView>(); });
}
