#include <gtest/gtest.h>

#include <set>

#include "platform/qt/shell/desktop/current_desktops.h"
#include "platform/qt/shell/desktop/gnome_host_hint.h"
#include "platform/qt/shell/desktop/platform_choice.h"

namespace horalet::testing {
namespace {

using platform::qt::PlatformChoice;
using Kind = PlatformChoice::Kind;

// The machine as one case sees it; every question is answered from here.
struct Machine {
    std::string requested;
    bool waylandNamed = false;
    bool x11Named = false;
    std::set<std::string> plugins;
    bool waylandAnswers = false;
    bool x11Answers = false;
    bool hostOnBus = false;
};

struct ChoiceCase {
    const char* name;
    Machine machine;
    Kind kind;
    std::string platform;
    // Words the warning must hold; none means no warning at all.
    std::vector<std::string> told;
};

TEST(PlatformChoice, StartsWhatCanStartAndNeverLeavesQtWithoutAPlatform)
{
    const std::set<std::string> all{"wayland", "xcb", "offscreen"};
    const std::set<std::string> noWayland{"xcb", "offscreen"};
    const std::vector<ChoiceCase> cases{
        {"no display named", {"offscreen", false, false, all}, Kind::terminal, "", {}},
        {"Wayland", {"", true, true, all, true, true}, Kind::desktop, "wayland", {}},
        {"X11", {"", false, true, all, false, true}, Kind::desktop, "xcb", {}},
        {"Wayland without its plugin, X11 there", {"", true, true, noWayland, true, true}, Kind::desktop, "xcb",
            {"qt6-wayland", "X11"}},
        {"Wayland not answering, X11 there", {"", true, true, all, false, true}, Kind::desktop, "xcb",
            {"Wayland", "X11"}},
        {"Wayland without its plugin and no X11", {"", true, false, noWayland, true, false, false}, Kind::terminal, "",
            {"qt6-wayland", "终端"}},
        {"X11 named but not answering, a host on the bus", {"", false, true, all, false, false, true}, Kind::busOnly,
            "offscreen", {"X11", "托盘"}},
        {"nothing answering and no host", {"", true, true, all, false, false, false}, Kind::terminal, "",
            {"Wayland", "X11", "终端"}},
        {"a platform asked for that needs no server", {"offscreen", false, true, all, false, false}, Kind::desktop,
            "offscreen", {}},
        {"a list asked for", {"wayland;xcb", true, true, all, true, true}, Kind::desktop, "wayland;xcb", {}},
        {"Wayland asked for without its plugin", {"wayland", true, true, noWayland, true, true}, Kind::desktop, "xcb",
            {"QT_QPA_PLATFORM=wayland", "X11"}},
        {"X11 asked for and not answering", {"xcb", false, true, all, false, false, false}, Kind::terminal, "",
            {"QT_QPA_PLATFORM=xcb", "终端"}},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Machine& m = c.machine;
        int busAsked = 0;
        const PlatformChoice choice = platform::qt::choosePlatform({m.requested, m.waylandNamed, m.x11Named,
            [&m](const std::string& platform) { return m.plugins.contains(platform); },
            [&m] { return m.waylandAnswers; }, [&m] { return m.x11Answers; },
            [&m, &busAsked] {
                ++busAsked;
                return m.hostOnBus;
            }});
        EXPECT_EQ(choice.kind, c.kind);
        EXPECT_EQ(choice.platform, c.platform);
        if (c.told.empty()) {
            EXPECT_EQ(choice.warning, "");
        }
        for (const std::string& word : c.told) {
            EXPECT_NE(choice.warning.find(word), std::string::npos) << word << " in: " << choice.warning;
        }
        EXPECT_EQ(busAsked > 0, c.kind == Kind::busOnly || (c.kind == Kind::terminal && !c.told.empty()))
            << "the bus is asked only when no display can be used";
    }
}

TEST(PlatformChoice, TellsGnomeShellFromDesktopsThatOnlyBuildOnIt)
{
    const std::vector<std::pair<const char*, bool>> cases{
        {"GNOME", true},
        {"ubuntu:GNOME", true},
        {"GNOME-Classic:GNOME", true},
        {"gnome", true},
        {"Budgie:GNOME", false},
        {"GNOME-Flashback:GNOME", false},
        {"KDE", false},
        {"X-Cinnamon", false},
        {"", false},
    };
    for (const auto& [desktop, gnome] : cases) {
        EXPECT_EQ(platform::qt::desktopIsGnome(platform::qt::desktopsNamed(QString::fromUtf8(desktop))), gnome)
            << desktop;
    }
}

} // namespace
} // namespace horalet::testing
