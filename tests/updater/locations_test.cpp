#include <QUrl>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/linux/paths.h"
#include "platform/updater/core/leftovers.h"
#include "platform/updater/engine/fetch_rules.h"

namespace horalet::platform::updater::engine {
namespace {

using os::ProgramFacts;

struct ProgramCase {
    const char* what;
    ProgramFacts facts;
    std::string expected;
};

TEST(ProgramFile, IsTheAppImageOnlyWhenTheProgramRunsFromItsMount)
{
    const std::string exe = "/tmp/.mount_HoraleAbC/usr/bin/horalet";
    const std::string appImage = "/home/u/Apps/Horalet.AppImage";
    const ProgramCase cases[] = {
        {"plain program", {"/opt/horalet/horalet", std::nullopt, std::nullopt, false}, "/opt/horalet/horalet"},
        {"inside its AppImage", {exe, "/tmp/.mount_HoraleAbC", appImage, true}, appImage},
        {"APPIMAGE inherited from a launcher",
            {"/opt/horalet/horalet", "/tmp/.mount_TermXyZ", "/home/u/Apps/Terminal.AppImage", true},
            "/opt/horalet/horalet"},
        {"APPIMAGE alone", {"/opt/horalet/horalet", std::nullopt, "/home/u/Apps/Other.AppImage", false},
            "/opt/horalet/horalet"},
        {"APPDIR a plain folder", {exe, "/tmp/.mount_HoraleAbC", appImage, false}, exe},
        {"APPDIR a prefix of another folder",
            {"/tmp/.mount_HoraleAbCdef/horalet", "/tmp/.mount_HoraleAbC", appImage, true},
            "/tmp/.mount_HoraleAbCdef/horalet"},
        {"no APPIMAGE", {exe, "/tmp/.mount_HoraleAbC", std::nullopt, true}, exe},
    };
    for (const auto& [what, facts, expected] : cases) {
        EXPECT_EQ(os::programFileFor(facts), expected) << what;
    }
}

TEST(ProgramFile, MountPointsComeFromTheMountTable)
{
    EXPECT_TRUE(os::isMountPoint("/"));
    EXPECT_TRUE(os::isMountPoint("/proc"));
    EXPECT_FALSE(os::isMountPoint("/proc/self"));
    EXPECT_FALSE(os::isMountPoint("/no/such/folder"));
}

struct XdgCase {
    const char* what;
    const char* home;
    const char* configHome;
    const char* cacheHome;
    std::string config;
    std::string cache;
};

void setOrUnset(const char* name, const char* value)
{
    if (value != nullptr) {
        ::setenv(name, value, 1);
    } else {
        ::unsetenv(name);
    }
}

TEST(Paths, FollowTheXdgRulesInOnePlace)
{
    const XdgCase cases[] = {
        {"both set", "/home/u", "/srv/config", "/srv/cache", "/srv/config", "/srv/cache"},
        {"unset", "/home/u", nullptr, nullptr, "/home/u/.config", "/home/u/.cache"},
        {"empty", "/home/u", "", "", "/home/u/.config", "/home/u/.cache"},
        {"relative, so ignored", "/home/u", "config", "cache", "/home/u/.config", "/home/u/.cache"},
    };
    const std::string savedHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    for (const auto& [what, home, configHome, cacheHome, config, cache] : cases) {
        setOrUnset("HOME", home);
        setOrUnset("XDG_CONFIG_HOME", configHome);
        setOrUnset("XDG_CACHE_HOME", cacheHome);
        EXPECT_EQ(os::configHome(), config) << what;
        EXPECT_EQ(os::cacheHome(), cache) << what;
        EXPECT_EQ(os::applicationConfigFolder(), config + "/horalet") << what;
        EXPECT_EQ(os::autostartFolder(), config + "/autostart") << what;
        EXPECT_EQ(os::updateCacheFolder(), cache + "/horalet/updates") << what;
    }
    ::unsetenv("HOME");
    EXPECT_FALSE(os::homeFolder().empty()) << "the password database knows the home folder";
    EXPECT_EQ(os::homeFolder().front(), '/');
    ::setenv("HOME", savedHome.c_str(), 1);
    ::unsetenv("XDG_CONFIG_HOME");
    ::unsetenv("XDG_CACHE_HOME");
}

TEST(FetchRules, HttpsEverywhereAndPlainHttpOnlyOnLoopback)
{
    const std::pair<const char*, bool> locations[] = {
        {"https://example.com/appcast.xml", true},
        {"https://127.0.0.1/appcast.xml", true},
        {"http://127.0.0.1:8000/appcast.xml", true},
        {"http://127.1.2.3/appcast.xml", true},
        {"http://localhost/appcast.xml", true},
        {"http://[::1]:8000/appcast.xml", true},
        {"http://example.com/appcast.xml", false},
        {"http://127.0.0.1.example.com/appcast.xml", false},
        {"http://128.0.0.1/appcast.xml", false},
        {"ftp://127.0.0.1/appcast.xml", false},
        {"file:///etc/passwd", false},
        {"https:///appcast.xml", false},
    };
    for (const auto& [location, fetchable] : locations) {
        EXPECT_EQ(isFetchableLocation(QUrl(QString::fromLatin1(location))), fetchable) << location;
    }

    const QUrl https(QStringLiteral("https://example.com/a"));
    const QUrl loopback(QStringLiteral("http://127.0.0.1/a"));
    EXPECT_TRUE(isAllowedRedirect(https, QUrl(QStringLiteral("https://cdn.example.com/b"))));
    EXPECT_FALSE(isAllowedRedirect(https, loopback)) << "https never leads to http";
    EXPECT_TRUE(isAllowedRedirect(loopback, https));
    EXPECT_FALSE(isAllowedRedirect(loopback, QUrl(QStringLiteral("http://example.com/b"))));
}

TEST(Leftovers, OnlyTheReplacementsOwnNamesCount)
{
    const std::pair<const char*, bool> names[] = {
        {"horalet.Ab12Cd", true},
        {"horalet.zzzzzz", true},
        {"horalet.old", false},
        {"horalet.Ab12C", false},
        {"horalet.Ab12Cd7", false},
        {"horalet.Ab-2Cd", false},
        {"horalet", false},
        {"other.Ab12Cd", false},
        {".horalet.Ab12Cd", false},
    };
    for (const auto& [name, matches] : names) {
        EXPECT_EQ(isReplacementTemporary(name, "horalet"), matches) << name;
    }
    EXPECT_TRUE(isReplacementTemporary("Horalet-x86_64.AppImage.Q1w2E3", "Horalet-x86_64.AppImage"));
}

} // namespace
} // namespace horalet::platform::updater::engine
