#include <gtest/gtest.h>

#include "app/clock_app.h"
#include "support/fake_platform.h"
#include "support/fake_shell.h"
#include "support/fake_updater.h"

namespace horalet::testing {
namespace {

namespace shell = platform::shell;

TEST(ClockAppTest, RunsTheDelegateAsAnAccessoryUntilQuitAndAnswersZero)
{
    FakePlatform fakes;
    FakeShell fakeShell{fakes.clock};
    // The shared update model keeps its controller for the rest of the
    // process, so the updater it was made over must stay too.
    static FakeUpdaterControllerFactory updaterFactory;
    platform::Services services = platform::services();
    services.updaterFactory = &updaterFactory;
    platform::install(services);

    bool ranLaunched = false;
    fakeShell.application.whileRunning = [&] {
        ranLaunched = fakeShell.application.delegate() != nullptr
            && fakeShell.application.activationPolicy() == shell::ActivationPolicy::accessory
            && !fakeShell.button().title().empty();
        fakeShell.item().menu()->willOpen();
        fakeShell.item().menu()->items().back()->perform();
    };

    EXPECT_EQ(app::runClockApplication([] { return std::shared_ptr<platform::ui::View>(); }), 0);
    EXPECT_TRUE(ranLaunched);
    EXPECT_EQ(fakeShell.application.runs(), 1);
    EXPECT_EQ(fakeShell.application.terminations(), 1);
    EXPECT_EQ(updaterFactory.updater.starts(), 1);
}

} // namespace
} // namespace horalet::testing
