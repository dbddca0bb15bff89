#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "build_info.h"
#include "platform/qt/shell/desktop/current_desktops.h"
#include "platform/qt/shell/desktop/plasma_widget_presence.h"
#include "platform/qt/shell/desktop/status_notifier_item.h"
#include "qt_test_support.h"
#include "support/temp_folder.h"

namespace horalet::platform::qt {
namespace {

using horalet::testing::ScopedEnvironmentVariable;
using horalet::testing::spinUntil;
using horalet::testing::TempFolder;
using horalet::testing::writeFile;

constexpr char kWidget[] = "horalet.clock";

// A panel as Plasma writes it, with `appletLine` as its last applet's last line.
std::string layoutWith(const std::string& appletLine)
{
    return "[Containments][2]\nformfactor=2\nplugin=org.kde.panel\n\n"
           "[Containments][2][Applets][3]\nimmutability=1\nplugin=org.kde.plasma.kickoff\n\n"
           "[Containments][2][Applets][16]\n"
        + appletLine + "\n";
}

TEST(PlasmaLayout, FindsTheWidgetByItsPluginEntryAlone)
{
    const struct {
        std::string layout;
        bool found;
    } cases[] = {
        {layoutWith("plugin=horalet.clock"), true},
        {layoutWith("plugin = horalet.clock "), true},
        {layoutWith("plugin=horalet.clock\r"), true},
        {"[Containments][2][Applets][16]\nplugin=horalet.clock", true}, // no final line break
        {layoutWith("plugin=org.kde.plasma.digitalclock"), false},
        {layoutWith("plugin=horalet.clock2"), false},
        {layoutWith("plugin=horalet"), false},
        {layoutWith("oldplugin=horalet.clock"), false},
        {layoutWith("[horalet.clock]"), false},
        {"", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(layoutHasWidget(c.layout, kWidget), c.found) << c.layout;
    }
}

TEST(PlasmaWidgetPresence, FollowsTheLayoutFileAsPlasmaReplacesIt)
{
    TempFolder folder;
    const std::string path = folder.file("plasma-org.kde.plasma.desktop-appletsrc");
    std::vector<bool> told;
    PlasmaWidgetPresence presence(
        QString::fromStdString(path), kWidget, [&](bool present) { told.push_back(present); });
    EXPECT_EQ(told, std::vector<bool>{false}) << "no layout yet";

    // Plasma saves its layout into a new file and renames it over the old.
    const auto save = [&](const std::string& layout) {
        writeFile(path + ".new", layout);
        ASSERT_EQ(std::rename((path + ".new").c_str(), path.c_str()), 0);
    };
    save(layoutWith("plugin=horalet.clock"));
    ASSERT_TRUE(spinUntil([&] { return told.size() == 2; }));
    EXPECT_TRUE(told.back());

    save(layoutWith("plugin=org.kde.plasma.digitalclock"));
    ASSERT_TRUE(spinUntil([&] { return told.size() == 3; }));
    EXPECT_FALSE(told.back());
    EXPECT_FALSE(presence.present());
}

TEST(PlasmaWidgetPresence, OnlyAPlasmaSessionWatchesTheLayout)
{
    TempFolder config;
    writeFile(config.file("plasma-org.kde.plasma.desktop-appletsrc"),
        layoutWith(std::string("plugin=") + build::kPlasmaWidgetId));
    const ScopedEnvironmentVariable configHome("XDG_CONFIG_HOME", config.path().c_str());
    const struct {
        const char* desktops;
        bool watched;
    } cases[] = {
        {"KDE", true},
        {"kde", true},
        {"X-Custom:KDE", true},
        {"GNOME", false},
        {"ubuntu:GNOME", false},
        {"", false},
    };
    for (const auto& c : cases) {
        bool present = false;
        const auto presence = PlasmaWidgetPresence::forSession(
            desktopsNamed(QString::fromUtf8(c.desktops)), [&](bool p) { present = p; });
        EXPECT_EQ(presence != nullptr, c.watched) << c.desktops;
        EXPECT_EQ(present, c.watched) << c.desktops;
    }
}

TEST(StatusNotifierItemStatus, APassiveItemTellsThePanelOncePerChange)
{
    StatusNotifierItem item(QStringLiteral("horalet"), {}, {}, QDBusObjectPath("/MenuBar"), {});
    std::vector<QString> told;
    QObject::connect(&item, &StatusNotifierItem::NewStatus, [&](const QString& status) { told.push_back(status); });
    EXPECT_EQ(item.status(), "Active");

    item.setPassive(true);
    item.setPassive(true);
    EXPECT_EQ(item.status(), "Passive");
    item.setPassive(false);
    EXPECT_EQ(item.status(), "Active");
    EXPECT_EQ(told, (std::vector<QString>{"Passive", "Active"}));
}

} // namespace
} // namespace horalet::platform::qt
