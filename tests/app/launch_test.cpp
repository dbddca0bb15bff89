#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "clock/settings_keys.h"
#include "clock_fixture.h"

namespace horalet::testing {
namespace {

namespace shell = platform::shell;

using LaunchTest = ClockFixture;

TEST_F(LaunchTest, FirstLaunchOnAnEmptyStoreShowsTheDefaultTextAndFont)
{
    launch();

    EXPECT_EQ(shell.item().length(), shell::kVariableStatusItemLength);
    ASSERT_EQ(shell.button().titles().size(), 1U);
    EXPECT_EQ(shell.button().title(), "11月19日周三 12:00");
    const std::vector<shell::Font> expected{shell::Font::monospacedDigitSystemFont(13.0, shell::FontWeight::regular)};
    EXPECT_EQ(shell.button().fonts(), expected);
}

TEST_F(LaunchTest, LaunchStepsRunInOrderAndTheTitleIsSetWithinTheLaunch)
{
    launch();

    const ShellLog expected{"statusItem", "font", "menu", "title", "glance", "timer"};
    EXPECT_EQ(shell.log, expected);
    EXPECT_EQ(shell.button().titles().front().at, at(12, 0, 0.3));
    EXPECT_EQ(updaterFactory.updater.starts(), 1);
    // The model's first start writes its flag to the store; the delegate
    // subscribes only after it, so that write triggers no rebuild.
    platform.mainQueue.drain();
    EXPECT_EQ(platform.environment.resets(), 0);
}

struct FontCase {
    bool bold;
    bool monoDigit;
    shell::Font font;
};

TEST_F(LaunchTest, FontFollowsTheBoldAndMonospacedDigitSettings)
{
    const std::vector<FontCase> cases{
        {false, true, shell::Font::monospacedDigitSystemFont(13.0, shell::FontWeight::regular)},
        {true, true, shell::Font::monospacedDigitSystemFont(13.0, shell::FontWeight::semibold)},
        {true, false, shell::Font::systemFont(13.0, shell::FontWeight::semibold)},
        {false, false, shell::Font::systemFont(13.0, shell::FontWeight::regular)},
    };
    launch();
    for (const FontCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "bold " << c.bold << ", monoDigit " << c.monoDigit);
        platform.store.setBool(K::bold, c.bold);
        platform.store.setBool(K::monoDigit, c.monoDigit);
        platform.mainQueue.drain();
        EXPECT_EQ(shell.button().font(), c.font);
    }
}

TEST_F(LaunchTest, TheFontIsAssignedOnlyWhenItChanges)
{
    shell.fonts.size = 14.0;
    launch();
    platform.store.setString(K::label, "上班");
    platform.mainQueue.drain();
    EXPECT_EQ(shell.button().fonts().size(), 1U);

    platform.store.setBool(K::bold, true);
    platform.mainQueue.drain();
    const std::vector<shell::Font> expected{
        shell::Font::monospacedDigitSystemFont(14.0, shell::FontWeight::regular),
        shell::Font::monospacedDigitSystemFont(14.0, shell::FontWeight::semibold),
    };
    EXPECT_EQ(shell.button().fonts(), expected);
}

struct EntryCase {
    std::string title;
    bool acts;
    std::string keyEquivalent;
    bool separator;
    bool enabled;
    bool hidden;
};

TEST_F(LaunchTest, TheMenuHoldsTheNineEntries)
{
    launch();

    const std::vector<EntryCase> expected{
        {"", false, "", false, false, false},
        {"", false, "", false, false, false},
        {"", true, "", false, true, true},
        {"", false, "", true, false, false},
        {"设置…", true, ",", false, true, false},
        {"检查更新…", true, "", false, true, false},
        {"开机自动启动", true, "", false, true, false},
        {"", false, "", true, false, false},
        {"退出", true, "q", false, true, false},
    };
    EXPECT_EQ(menu().delegate(), &delegate);
    ASSERT_EQ(menu().items().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << "entry " << i + 1);
        const shell::MenuItem& item = entry(i);
        const EntryCase& want = expected[i];
        EXPECT_EQ(item.title(), want.title);
        EXPECT_EQ(item.hasAction(), want.acts);
        EXPECT_EQ(item.keyEquivalent(), want.keyEquivalent);
        EXPECT_EQ(item.isSeparator(), want.separator);
        EXPECT_EQ(item.isEnabled(), want.enabled);
        EXPECT_EQ(item.isHidden(), want.hidden);
    }
}

TEST_F(LaunchTest, TheQuitItemReachesTheApplication)
{
    launch();
    entry(8).perform();
    EXPECT_EQ(shell.application.terminations(), 1);
}

TEST_F(LaunchTest, WithoutAButtonTheClockStillRunsAndTheMenuStillWorks)
{
    shell.statusBar.givesButtons = false;
    launch();
    shell.runLoop.advance(2.0);
    platform.store.setBool(K::bold, true);
    platform.mainQueue.drain();
    openMenu();

    EXPECT_EQ(shell.runLoop.fires().size(), 2U);
    EXPECT_EQ(shell.log, (ShellLog{"statusItem", "menu", "timer"}));
    EXPECT_FALSE(header().title().empty());
}

} // namespace
} // namespace horalet::testing
