#pragma once

#include <cstddef>
#include <memory>

#include <gtest/gtest.h>

#include "app/delegate/app_delegate.h"
#include "platform/foundation/instant.h"
#include "platform/shell/menu.h"
#include "support/fake_platform.h"
#include "support/fake_shell.h"
#include "support/fake_updater.h"
#include "updates/app_updates.h"

namespace horalet::testing {

// One AppDelegate on fakes: a virtual clock, an in-memory store, a manual
// main queue, a recording shell and a scripted updater. The system zone is
// UTC and the locale zh_CN, so the expected texts read as wall-clock time.
class ClockFixture : public ::testing::Test {
protected:
    ClockFixture();

    // Instants on Wednesday 2025-11-19, UTC.
    static platform::Instant at(int hours, int minutes, double seconds);
    // Milliseconds since the epoch, rounded: timer schedules are pinned to the millisecond.
    static long long ms(platform::Instant instant);

    void launch() { delegate.applicationDidFinishLaunching(); }
    platform::shell::Menu& menu() const { return *shell.item().menu(); }
    platform::shell::MenuItem& entry(std::size_t index) const { return *menu().items().at(index); }
    void openMenu() const { menu().willOpen(); }
    platform::shell::MenuItem& header() const { return entry(0); }
    platform::shell::MenuItem& localTime() const { return entry(1); }
    platform::shell::MenuItem& installUpdate() const { return entry(2); }
    platform::shell::MenuItem& checkForUpdates() const { return entry(5); }
    platform::shell::MenuItem& openAtLogin() const { return entry(6); }

    FakePlatform platform;
    FakeShell shell{platform.clock};
    FakeUpdaterControllerFactory updaterFactory;
    AppUpdates updates{{updaterFactory, platform.store, platform.mainQueue, shell.application}};
    int settingsContentsMade = 0;
    app::AppDelegate delegate{
        {platform.store, platform.environment, platform.clock, platform.mainQueue, shell.services(), updates, [this] {
             ++settingsContentsMade;
             return std::shared_ptr<platform::ui::View>();
         }}};
};

} // namespace horalet::testing
