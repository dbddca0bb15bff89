#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/cli/command_line.h"
#include "app/clock_app.h"
#include "app/clock_text_samples.h"
#include "app/host_services.h"
#include "platform/foundation/bundle_info.h"
#include "platform/qt/json_preferences_file.h"
#include "platform/qt/shell/qt_shell.h"
#include "platform/updater/engine/engine_factory.h"
#include "platform/updater/engine/update_dialogs.h"
#include "platform/updater/engine/update_network.h"
#include "settings/settings_view.h"

int main(int argc, char** argv)
{
    using namespace horalet;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (const auto status = cli::runCommand(args, std::cout, std::cerr)) {
        return *status;
    }

    app::HostServices host;
    const bool withDisplay
        = platform::qt::chooseShellMode(cli::wantsHeadless(args)) == platform::qt::ShellMode::desktop;
    platform::qt::QtShell shell(argc, argv, withDisplay ? platform::qt::createDesktopShell(argc, argv) : nullptr);
    if (const auto status = shell.deferToRunningInstance()) {
        return *status;
    }

    platform::BuiltBundleInfo bundle;
    auto updaterConfig = platform::updater::engine::builtEngineConfig();
    if (withDisplay) {
        updaterConfig.makeDialogs = platform::updater::engine::makeQtUpdateDialogs;
    }
    updaterConfig.makeNetwork = platform::updater::engine::makeQtUpdateNetwork;
    const auto updaterFactory = platform::updater::engine::makeEngineFactory(std::move(updaterConfig));
    host.services().bundle = &bundle;
    host.services().updaterFactory = updaterFactory.get();
    host.services().shell = shell.services();
    host.setMainQueue(&shell.mainQueue());
    shell.watchSystemEvents(platform::qt::JsonPreferencesFile::defaultPath());
    shell.setLabelGuide(app::clockTextSamples);
    return app::runClockApplication([] { return std::make_shared<SettingsView>(); });
}
