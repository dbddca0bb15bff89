#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <QDBusMessage>

#include "platform/linux/system/clock_set_timer.h"
#include "platform/linux/system/suspend_gap.h"
#include "platform/qt/json_preferences_file.h"
#include "platform/qt/shell/clock_set_watch.h"
#include "platform/qt/shell/desktop/system_bus_watches.h"
#include "platform/qt/shell/preferences_file_watch.h"
#include "platform/qt/shell/wake_watch.h"
#include "platform/qt/shell/zone_watch.h"
#include "qt_test_support.h"
#include "support/temp_folder.h"

namespace horalet::testing {
namespace {

using namespace std::chrono_literals;
namespace notifications = platform::notifications;

// Counts the postings of one name on a centre.
struct Postings {
    Postings(platform::NotificationCenter& center, std::string_view name)
    {
        center.addObserver(name, [this] { ++count; });
    }
    int count = 0;
};

TEST(ClockSetTimer, IsArmedToBeCancelledByAClockSetAndQuietOtherwise)
{
    const platform::os::ClockSetTimer timer;
    ASSERT_GE(timer.fd(), 0) << timer.error();
    itimerspec armed{};
    ASSERT_EQ(::timerfd_gettime(timer.fd(), &armed), 0);
    EXPECT_GT(armed.it_value.tv_sec, 9L * 365 * 24 * 3600) << "armed far ahead, never expiring in a run";

    platform::NotificationCenter center;
    Postings changes(center, notifications::systemClockDidChange);
    platform::qt::ClockSetWatch watch(center);
    EXPECT_TRUE(watch.isWatching());
    EXPECT_FALSE(const_cast<platform::os::ClockSetTimer&>(watch.timer()).takeClockSet());
    spinFor(30ms);
    EXPECT_EQ(changes.count, 0);
}

TEST(SuspendGap, TellsASleepFromTheBootClockRunningAheadOfTheMonotonicOne)
{
    struct Case {
        double bootAdvance;
        double monotonicAdvance;
        bool slept;
    };
    for (const Case& c :
        {Case{1.0, 1.0, false}, Case{1.5, 1.0, false}, Case{301.0, 1.0, true}, Case{0.0, 0.0, false}}) {
        platform::os::BootAndMonotonic now{1000.0, 900.0};
        platform::os::SuspendGap gap([&] { return now; });
        now.boottime += c.bootAdvance;
        now.monotonic += c.monotonicAdvance;
        EXPECT_EQ(gap.sleptSinceLastCheck(), c.slept) << c.bootAdvance << " " << c.monotonicAdvance;
        EXPECT_FALSE(gap.sleptSinceLastCheck()) << "a sleep is told once";
    }
}

TEST(ZoneWatch, PostsOnceWhenTheZoneLinkGetsAnotherTargetOrTheZoneOtherContents)
{
    TempFolder folder;
    writeFile(folder.file("Shanghai"), "TZif shanghai");
    writeFile(folder.file("Tokyo"), "TZif tokyo");
    const std::string link = folder.file("localtime");
    ASSERT_EQ(::symlink(folder.file("Shanghai").c_str(), link.c_str()), 0);
    platform::NotificationCenter center;
    Postings changes(center, notifications::systemTimeZoneDidChange);
    platform::qt::ZoneWatch watch(center, QString::fromStdString(link));

    // As zone tools do: a new link renamed over the old one.
    ASSERT_EQ(::symlink(folder.file("Tokyo").c_str(), folder.file("localtime.new").c_str()), 0);
    ASSERT_EQ(::rename(folder.file("localtime.new").c_str(), link.c_str()), 0);
    EXPECT_TRUE(spinUntil([&] { return changes.count == 1; }, 1000ms));
    spinFor(200ms);
    EXPECT_EQ(changes.count, 1);

    writeFile(folder.file("Tokyo"), "TZif tokyo, new rules");
    EXPECT_TRUE(spinUntil([&] { return changes.count == 2; }, 1000ms));

    ::utimensat(AT_FDCWD, folder.file("Tokyo").c_str(), nullptr, 0);
    spinFor(300ms);
    EXPECT_EQ(changes.count, 2) << "touching the file without changing the zone posts nothing";
}

TEST(PreferencesFileWatch, AChangeByAnotherProcessPostsOnceWithinASecondAndOurOwnWritesNoMore)
{
    TempFolder folder;
    const std::string path = folder.file("horalet/preferences.json");
    platform::NotificationCenter center;
    platform::PreferencesStore store(center, std::make_unique<platform::qt::JsonPreferencesFile>(path));
    Postings changes(center, notifications::preferencesDidChange);
    platform::qt::PreferencesFileWatch watch(store, QString::fromStdString(path));

    // Another process creates the folder and the file, later changes it.
    platform::NotificationCenter otherCenter;
    platform::PreferencesStore other(otherCenter, std::make_unique<platform::qt::JsonPreferencesFile>(path));
    other.setBool("showSeconds", true);
    EXPECT_TRUE(spinUntil([&] { return changes.count == 1; }, 1000ms));
    EXPECT_TRUE(store.boolForKey("showSeconds"));
    other.setString("clockLabel", "北京");
    EXPECT_TRUE(spinUntil([&] { return changes.count == 2; }, 1000ms));
    EXPECT_EQ(store.stringForKey("clockLabel"), "北京");

    const int before = changes.count;
    store.setBool("bold", true);
    spinFor(400ms);
    EXPECT_EQ(changes.count, before + 1) << "our own write posts once, the watch adds nothing";
}

TEST(WakeWatch, PostsAWakeWhenLogindSaysTheSleepIsOver)
{
    PrivateBus bus;
    QDBusConnection system = bus.connect(QStringLiteral("system"));
    QDBusConnection logind = bus.connect(QStringLiteral("logind"));
    platform::NotificationCenter workspace;
    Postings wakes(workspace, notifications::workspaceDidWake);
    platform::qt::WakeWatch watch(workspace);
    EXPECT_FALSE(platform::qt::followLogind(system, watch)) << "nobody runs logind yet";

    ASSERT_TRUE(logind.registerService(QStringLiteral("org.freedesktop.login1")));
    ASSERT_TRUE(platform::qt::followLogind(system, watch));
    for (const bool starting : {true, false}) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"));
        signal << starting;
        logind.send(signal);
    }
    EXPECT_TRUE(spinUntil([&] { return wakes.count == 1; }));
    spinFor(50ms);
    EXPECT_EQ(wakes.count, 1) << "going to sleep is no wake";
}

TEST(ZoneWatch, PostsWhenTheTimeAndDateServiceChangesItsZone)
{
    PrivateBus bus;
    QDBusConnection system = bus.connect(QStringLiteral("system"));
    QDBusConnection timedate = bus.connect(QStringLiteral("timedate"));
    ASSERT_TRUE(timedate.registerService(QStringLiteral("org.freedesktop.timedate1")));
    TempFolder folder;
    platform::NotificationCenter center;
    Postings changes(center, notifications::systemTimeZoneDidChange);
    platform::qt::ZoneWatch watch(center, QString::fromStdString(folder.file("localtime")));
    platform::qt::followTimedate(system, watch);
    spinFor(50ms);

    for (const QString& property : {QStringLiteral("NTP"), QStringLiteral("Timezone")}) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/timedate1"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
        signal << QStringLiteral("org.freedesktop.timedate1") << QVariantMap{{property, QStringLiteral("x")}}
               << QStringList();
        timedate.send(signal);
    }
    EXPECT_TRUE(spinUntil([&] { return changes.count == 1; }));
    spinFor(50ms);
    EXPECT_EQ(changes.count, 1);
}

} // namespace
} // namespace horalet::testing
