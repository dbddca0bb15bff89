#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "clock/settings_keys.h"
#include "clock_fixture.h"

namespace horalet::testing {
namespace {

namespace shell = platform::shell;

class StatusMenuTest : public ClockFixture {
protected:
    StatusMenuTest() { launch(); }
};

struct HeaderCase {
    const char* name;
    const char* storedZone; // none: the setting was never written
    std::string header;
    bool localShown;
};

TEST_F(StatusMenuTest, HeaderAndLocalTimeFollowTheChosenZone)
{
    const std::vector<HeaderCase> cases{
        {"never chosen", nullptr, "2025年11月19日星期三 12:00:00", false},
        {"following the system", "", "2025年11月19日星期三 12:00:00", false},
        {"another zone", "Asia/Kolkata", "2025年11月19日星期三 17:30:00（GMT+5:30）", true},
        {"the system's own zone", "UTC", "2025年11月19日星期三 12:00:00（GMT+0）", true},
        {"an unknown zone", "Mars/Olympus", "2025年11月19日星期三 12:00:00（GMT+0）", true},
    };
    for (const HeaderCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.storedZone != nullptr) {
            platform.store.setString(K::tz, c.storedZone);
        }
        openMenu();
        EXPECT_EQ(header().title(), c.header);
        EXPECT_EQ(localTime().isHidden(), !c.localShown);
        EXPECT_EQ(localTime().title(), "本机：2025年11月19日星期三 12:00:00");
        EXPECT_FALSE(header().isEnabled());
        EXPECT_FALSE(localTime().isEnabled());
    }
}

TEST_F(StatusMenuTest, TheInstallItemShowsTheReadyVersionWhileThereIsOne)
{
    openMenu();
    EXPECT_TRUE(installUpdate().isHidden());

    updates.readyVersion = std::string("1.2.0");
    openMenu();
    EXPECT_FALSE(installUpdate().isHidden());
    EXPECT_EQ(installUpdate().title(), "重启并安装新版本 v1.2.0");

    updates.readyVersion = std::nullopt;
    openMenu();
    EXPECT_TRUE(installUpdate().isHidden());
    EXPECT_EQ(installUpdate().title(), "重启并安装新版本 v1.2.0");
}

TEST_F(StatusMenuTest, TheCheckItemIsEnabledExactlyWhenTheModelCanCheck)
{
    for (const bool canCheck : {false, true, false}) {
        updates.canCheck = canCheck;
        openMenu();
        EXPECT_EQ(checkForUpdates().isEnabled(), canCheck);
    }
}

struct LoginCase {
    shell::LoginItemStatus status;
    shell::ItemState mark;
    std::string toggleCall;
};

TEST_F(StatusMenuTest, TheLoginItemIsCheckedOnlyWhenEnabledAndTogglingGoesTheOtherWay)
{
    const std::vector<LoginCase> cases{
        {shell::LoginItemStatus::enabled, shell::ItemState::on, "unregister"},
        {shell::LoginItemStatus::notRegistered, shell::ItemState::off, "register"},
        {shell::LoginItemStatus::requiresApproval, shell::ItemState::off, "register"},
        {shell::LoginItemStatus::notFound, shell::ItemState::off, "register"},
    };
    for (const LoginCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "status " << static_cast<int>(c.status));
        shell.loginItems.currentStatus = c.status;
        shell.loginItems.calls.clear();
        openMenu();
        EXPECT_EQ(openAtLogin().state(), c.mark);

        openAtLogin().perform();
        EXPECT_EQ(shell.loginItems.calls, std::vector<std::string>{c.toggleCall});
        EXPECT_EQ(openAtLogin().state(), c.mark) << "the mark waits for the next opening";
    }
    EXPECT_TRUE(shell.alerts.shown().empty());
}

TEST_F(StatusMenuTest, ALoginChangeThatFailsIsShownInAnAlert)
{
    shell.loginItems.registerFailure = platform::Error{"无法写入自动启动文件。", ""};
    shell.loginItems.unregisterFailure = platform::Error{"无法删除自动启动文件", "permission denied"};

    openAtLogin().perform();
    shell.loginItems.currentStatus = shell::LoginItemStatus::enabled;
    openAtLogin().perform();

    ASSERT_EQ(shell.alerts.shown().size(), 2U);
    EXPECT_EQ(shell.alerts.shown()[0].messageText, "无法设置开机启动");
    EXPECT_EQ(shell.alerts.shown()[0].informativeText,
        "无法写入自动启动文件。\n\n建议先把 Horalet.app 放到「应用程序」文件夹再试。");
    EXPECT_EQ(shell.alerts.shown()[1].informativeText,
        "无法删除自动启动文件（permission denied）\n\n建议先把 Horalet.app 放到「应用程序」文件夹再试。");
    EXPECT_EQ(shell.application.activations(), 0);
}

TEST_F(StatusMenuTest, TwoOpeningsOfTheSettingsShowOneWindow)
{
    entry(4).perform();
    entry(4).perform();

    ASSERT_EQ(shell.windows.windows().size(), 1U);
    const WindowRecord& window = *shell.windows.windows().front();
    EXPECT_EQ(settingsContentsMade, 1);
    EXPECT_EQ(window.title, "Horalet 设置");
    EXPECT_EQ(window.centerings, 1);
    EXPECT_EQ(window.frontings, 2);
    EXPECT_EQ(shell.application.activations(), 2);
    EXPECT_NE(delegate.settingsWindow(), nullptr);
}

TEST_F(StatusMenuTest, UpdateCommandsGoToTheModel)
{
    FakeUpdater& updater = updaterFactory.updater;
    platform.mainQueue.drain();
    updater.canCheck.set(true);
    checkForUpdates().perform();
    EXPECT_EQ(updater.userChecks(), 1);

    bool installed = false;
    updater.stageUpdate("1.2.0", [&installed] { installed = true; });
    platform.mainQueue.drain();
    openMenu();
    ASSERT_FALSE(installUpdate().isHidden());
    installUpdate().perform();
    EXPECT_TRUE(installed);
    EXPECT_EQ(updates.status.get(), "正在安装新版本…");
}

} // namespace
} // namespace horalet::testing
