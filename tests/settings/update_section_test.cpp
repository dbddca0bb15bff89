#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "build_info.h"
#include "settings/package_host.h"
#include "settings/settings_fixture.h"

namespace horalet::testing {
namespace {

using platform::ui::Button;
using platform::ui::ButtonStyle;
using platform::ui::Node;

// "腾讯云 COS" unless the build was made for another feed host.
const std::string kPackageNote = std::string("。更新包托管于") + build::kPackageHost + "，经 Ed25519 签名验证后替换。";

class UpdateSectionTest : public SettingsFormTest {
protected:
    static const Node& section(const Node& root) { return root.children()[5]; }
    static const Node& versionRow(const Node& root) { return section(root).children()[0]; }
    static std::string statusLine(const Node& root) { return labelOf(section(root).children()[3]); }

    // Starts the model and lets the updater's first values reach it.
    void start()
    {
        model->start();
        platform.mainQueue.drain();
    }
};

TEST_F(UpdateSectionTest, BeforeStartTheCheckIsDimmedAndTheVersionShown)
{
    const Node root = view.body();
    EXPECT_EQ(labelsOf(versionRow(root).children()),
        (std::vector<std::string>{"当前版本", "", "v" + std::string(build::kVersion), "检查更新"}));
    EXPECT_EQ(versionRow(root).children()[2].style().foreground, platform::ui::Foreground::secondary);
    const Node& check = versionRow(root).children()[3];
    EXPECT_FALSE(check.isEnabled());
    EXPECT_EQ(check.as<Button>()->style, ButtonStyle::automatic);
    check.press();
    EXPECT_EQ(factory.updater.userChecks(), 0);

    EXPECT_EQ(statusLine(root), "自动检查新版本" + kPackageNote);
    const Node& status = section(root).children()[3];
    EXPECT_EQ(status.style().font, platform::ui::Font::caption());
    EXPECT_EQ(status.style().foreground, platform::ui::Foreground::secondary);
}

TEST_F(UpdateSectionTest, StartedCheckIsEnabledAndAsksTheUpdater)
{
    factory.updater.canCheck.set(true);
    start();
    const Node root = view.body();
    const Node& check = control(root, "检查更新");
    EXPECT_TRUE(check.isEnabled());
    check.press();
    EXPECT_EQ(factory.updater.userChecks(), 1);
}

TEST_F(UpdateSectionTest, ReadyUpdateOffersOnlyTheProminentInstallButton)
{
    start();
    int installs = 0;
    factory.updater.stageUpdate("1.2.0", [&] { ++installs; });
    // The install button does not depend on whether a check could begin.
    factory.updater.canCheck.set(false);
    platform.mainQueue.drain();

    const Node root = view.body();
    EXPECT_EQ(findLabelled(root, "检查更新"), nullptr);
    const Node& install = versionRow(root).children()[3];
    EXPECT_EQ(labelOf(install), "重启并安装 1.2.0");
    EXPECT_EQ(install.as<Button>()->style, ButtonStyle::borderedProminent);
    EXPECT_FALSE(model->canCheck.get());
    EXPECT_TRUE(install.isEnabled());

    install.press();
    const Node pressed = view.body();
    EXPECT_EQ(statusLine(pressed), "正在安装新版本…" + kPackageNote);
    EXPECT_EQ(labelOf(versionRow(pressed).children()[3]), "重启并安装 1.2.0");
    versionRow(pressed).children()[3].press();
    EXPECT_EQ(installs, 1);
}

TEST_F(UpdateSectionTest, TogglesCallTheModelAndShowItsMirrors)
{
    start();
    const Node root = view.body();
    control(root, "自动检查新版本").setOn(false);
    // The toggle never writes its own state: it follows the mirror, one
    // main-queue turn later.
    EXPECT_TRUE(isOn(control(view.body(), "自动检查新版本")));
    EXPECT_FALSE(factory.updater.automaticChecks.get());
    platform.mainQueue.drain();

    const Node off = view.body();
    EXPECT_FALSE(isOn(control(off, "自动检查新版本")));
    const Node& downloads = control(off, "自动在后台下载新版本");
    EXPECT_FALSE(downloads.isEnabled());
    EXPECT_TRUE(isOn(downloads));

    control(off, "自动检查新版本").setOn(true);
    platform.mainQueue.drain();
    control(view.body(), "自动在后台下载新版本").setOn(false);
    platform.mainQueue.drain();
    EXPECT_FALSE(factory.updater.automaticDownloads.get());
    EXPECT_FALSE(isOn(control(view.body(), "自动在后台下载新版本")));
}

TEST_F(UpdateSectionTest, ModelChangeAsksForARedrawThatShowsTheNewValue)
{
    std::vector<std::string> drawnAtNotice;
    const platform::Connection watching
        = view.willChange().connect([&] { drawnAtNotice.push_back(statusLine(view.body())); });
    model->status = "更新检查完成";
    EXPECT_EQ(drawnAtNotice, std::vector<std::string>{"自动检查新版本" + kPackageNote});
    EXPECT_EQ(statusLine(view.body()), "更新检查完成" + kPackageNote);
}

} // namespace
} // namespace horalet::testing
