#include <gtest/gtest.h>

#include "app/delegate/clock_app.h"
#include "clock_fixture.h"

namespace horalet::testing {
namespace {

using ClockAppTest = ClockFixture;

TEST_F(ClockAppTest, RunsTheDelegateUntilQuitAndAnswersZero)
{
    bool ranLaunched = false;
    shell.application.whileRunning = [&] {
        ranLaunched = shell.application.delegate() == &delegate && !shell.button().title().empty();
        shell.item().menu()->willOpen();
        shell.item().menu()->items().back()->perform();
    };

    EXPECT_EQ(app::runClockApplication(shell.application, delegate), 0);
    EXPECT_TRUE(ranLaunched);
    EXPECT_EQ(shell.application.runs(), 1);
    EXPECT_EQ(shell.application.terminations(), 1);
    EXPECT_EQ(updaterFactory.updater.starts(), 1);
}

} // namespace
} // namespace horalet::testing
