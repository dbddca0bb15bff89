#include <gtest/gtest.h>

#include "platform/linux/system/autostart_entry.h"
#include "platform/linux/system/xdg_login_items.h"
#include "support/temp_folder.h"

namespace horalet::testing {
namespace {

using platform::shell::LoginItemStatus;
namespace autostart = platform::os::autostart;

TEST(XdgLoginItems, RegisteringWritesAnEntryThatStartsThisProgramAndUnregisteringRemovesIt)
{
    TempFolder folder;
    const std::string entry = folder.file("config/autostart/horalet.desktop");
    platform::os::XdgLoginItems items(entry, "/opt/horalet/bin/horalet");
    EXPECT_EQ(items.status(), LoginItemStatus::notRegistered);

    EXPECT_TRUE(items.registerItem().ok());
    EXPECT_EQ(items.status(), LoginItemStatus::enabled);
    const std::string text = fileContents(entry);
    EXPECT_NE(text.find("[Desktop Entry]\nType=Application\n"), std::string::npos);
    EXPECT_NE(text.find("\nExec=\"/opt/horalet/bin/horalet\"\n"), std::string::npos);

    EXPECT_TRUE(items.unregisterItem().ok());
    EXPECT_EQ(items.status(), LoginItemStatus::notRegistered);
    EXPECT_TRUE(items.unregisterItem().ok()) << "nothing to remove is no failure";
}

TEST(XdgLoginItems, AnEntryTheUserTurnedOffIsNotEnabledAndRegisteringTurnsItOn)
{
    struct Case {
        const char* text;
        LoginItemStatus status;
    };
    for (const Case& c : {
             Case{"[Desktop Entry]\nExec=horalet\nHidden=true\n", LoginItemStatus::requiresApproval},
             Case{"[Desktop Entry]\nX-GNOME-Autostart-enabled = false\n", LoginItemStatus::requiresApproval},
             Case{"[Desktop Entry]\nHidden=false\n[Desktop Action x]\nHidden=true\n", LoginItemStatus::enabled},
             Case{"[Desktop Entry]\nExec=horalet\n", LoginItemStatus::enabled},
         }) {
        SCOPED_TRACE(c.text);
        TempFolder folder;
        writeFile(folder.file("horalet.desktop"), c.text);
        platform::os::XdgLoginItems items(folder.file("horalet.desktop"), "/usr/bin/horalet");
        EXPECT_EQ(items.status(), c.status);
        EXPECT_TRUE(items.registerItem().ok());
        EXPECT_EQ(items.status(), LoginItemStatus::enabled);
    }
}

TEST(XdgLoginItems, AFolderThatCannotBeMadeFailsWithAClearDescriptionAndWritesNothing)
{
    TempFolder folder;
    writeFile(folder.file("config"), "a file where the folder should be");
    platform::os::XdgLoginItems items(folder.file("config/autostart/horalet.desktop"), "/usr/bin/horalet");
    const auto registered = items.registerItem();
    ASSERT_FALSE(registered.ok());
    EXPECT_EQ(registered.error().userMessage, "无法创建自启动文件夹 " + folder.file("config/autostart"));
    EXPECT_FALSE(registered.error().detail.empty());
    EXPECT_EQ(items.status(), LoginItemStatus::notRegistered);

    platform::os::XdgLoginItems nowhere(folder.file("horalet.desktop"), "");
    ASSERT_FALSE(nowhere.registerItem().ok()) << "without knowing where the program is, no entry";
}

TEST(AutostartEntry, QuotesTheProgramPathAsTheDesktopEntryFormatAsks)
{
    struct Case {
        const char* path;
        const char* exec;
    };
    for (const Case& c : {
             Case{"/usr/bin/horalet", R"("/usr/bin/horalet")"},
             Case{"/home/a b/horalet", R"("/home/a b/horalet")"},
             Case{"/tmp/$x`y\"z", R"("/tmp/\\$x\\`y\\"z")"},
             Case{"/tmp/back\\slash", R"("/tmp/back\\\\slash")"},
             Case{"/tmp/100%", R"("/tmp/100%%")"},
         }) {
        EXPECT_EQ(autostart::execArgument(c.path), c.exec) << c.path;
    }
}

TEST(AutostartEntry, LivesInTheConfigHomeOrInDotConfig)
{
    {
        ScopedEnvironmentVariable config("XDG_CONFIG_HOME", "/xdg");
        EXPECT_EQ(autostart::entryPath("horalet"), "/xdg/autostart/horalet.desktop");
    }
    ScopedEnvironmentVariable home("HOME", "/home/someone");
    for (const char* config : {static_cast<const char*>(nullptr), "", "relative/config"}) {
        ScopedEnvironmentVariable unset("XDG_CONFIG_HOME", config);
        EXPECT_EQ(autostart::entryPath("horalet"), "/home/someone/.config/autostart/horalet.desktop");
    }
}

} // namespace
} // namespace horalet::testing
