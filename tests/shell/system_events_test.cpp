#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <QCoreApplication>
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

// Counts the emissions of one Qt signal.
struct Emissions {
    template <typename Sender, typename Signal> Emissions(Sender* sender, Signal signal)
    {
        QObject::connect(sender, signal, [this] { ++count; });
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

    platform::qt::ClockSetWatch watch;
    Emissions changes(&watch, &platform::qt::ClockSetWatch::clockSet);
    EXPECT_TRUE(watch.isWatching());
    QCoreApplication::processEvents();
    EXPECT_EQ(changes.count, 0) << "nothing to read while nobody set the clock";
    EXPECT_FALSE(const_cast<platform::os::ClockSetTimer&>(watch.timer()).takeClockSet());
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
    platform::qt::ZoneWatch watch(QString::fromStdString(link));
    Emissions changes(&watch, &platform::qt::ZoneWatch::zoneChanged);
    Emissions checks(&watch, &platform::qt::ZoneWatch::checked);

    // As zone tools do: a new link renamed over the old one.
    ASSERT_EQ(::symlink(folder.file("Tokyo").c_str(), folder.file("localtime.new").c_str()), 0);
    ASSERT_EQ(::rename(folder.file("localtime.new").c_str(), link.c_str()), 0);
    EXPECT_TRUE(spinUntil([&] { return changes.count == 1; }, 1000ms));

    writeFile(folder.file("Tokyo"), "TZif tokyo, new rules");
    EXPECT_TRUE(spinUntil([&] { return changes.count >= 2; }, 1000ms));
    EXPECT_EQ(changes.count, 2) << "the rename told once";

    const int checksBefore = checks.count;
    ::utimensat(AT_FDCWD, folder.file("Tokyo").c_str(), nullptr, 0);
    ASSERT_TRUE(spinUntil([&] { return checks.count > checksBefore; }, 1000ms));
    EXPECT_EQ(changes.count, 2) << "touching the file without changing the zone tells nothing";
}

TEST(PreferencesFileWatch, AChangeByAnotherProcessPostsOnceWithinASecondAndOurOwnWritesNoMore)
{
    TempFolder folder;
    const std::string path = folder.file("horalet/preferences.json");
    platform::PreferencesStore store(std::make_unique<platform::qt::JsonPreferencesFile>(path));
    int changes = 0;
    const platform::Connection counting = store.didChange.connect([&] { ++changes; });
    platform::qt::PreferencesFileWatch watch(store, QString::fromStdString(path));
    Emissions reloads(&watch, &platform::qt::PreferencesFileWatch::reloaded);

    // Another process creates the folder and the file, later changes it.
    platform::PreferencesStore other(std::make_unique<platform::qt::JsonPreferencesFile>(path));
    other.setBool("showSeconds", true);
    EXPECT_TRUE(spinUntil([&] { return changes == 1; }, 1000ms));
    EXPECT_TRUE(store.boolForKey("showSeconds"));
    other.setString("clockLabel", "北京");
    EXPECT_TRUE(spinUntil([&] { return changes == 2; }, 1000ms));
    EXPECT_EQ(store.stringForKey("clockLabel"), "北京");

    const int before = changes;
    const int reloadsBefore = reloads.count;
    store.setBool("bold", true);
    EXPECT_EQ(changes, before + 1);
    ASSERT_TRUE(spinUntil([&] { return reloads.count > reloadsBefore; }, 1000ms));
    EXPECT_EQ(changes, before + 1) << "our own write tells once, the watch adds nothing";
}

TEST(WakeWatch, PostsAWakeWhenLogindSaysTheSleepIsOver)
{
    PrivateBus bus;
    QDBusConnection system = bus.connect(QStringLiteral("system"));
    QDBusConnection logind = bus.connect(QStringLiteral("logind"));
    platform::qt::WakeWatch watch;
    Emissions wakes(&watch, &platform::qt::WakeWatch::woke);
    Emissions heard(&watch, &platform::qt::WakeWatch::heardLogind);
    EXPECT_FALSE(platform::qt::followLogind(system, watch)) << "nobody runs logind yet";

    ASSERT_TRUE(logind.registerService(QStringLiteral("org.freedesktop.login1")));
    ASSERT_TRUE(platform::qt::followLogind(system, watch));
    for (const bool starting : {true, false}) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"));
        signal << starting;
        logind.send(signal);
    }
    ASSERT_TRUE(spinUntil([&] { return heard.count == 2; }));
    EXPECT_EQ(wakes.count, 1) << "going to sleep is no wake";
}

TEST(ZoneWatch, PostsWhenTheTimeAndDateServiceChangesItsZone)
{
    PrivateBus bus;
    QDBusConnection system = bus.connect(QStringLiteral("system"));
    QDBusConnection timedate = bus.connect(QStringLiteral("timedate"));
    ASSERT_TRUE(timedate.registerService(QStringLiteral("org.freedesktop.timedate1")));
    TempFolder folder;
    platform::qt::ZoneWatch watch(QString::fromStdString(folder.file("localtime")));
    Emissions changes(&watch, &platform::qt::ZoneWatch::zoneChanged);
    Emissions checks(&watch, &platform::qt::ZoneWatch::checked);
    platform::qt::followTimedate(system, watch);
    spinFor(50ms);

    for (const QString& property : {QStringLiteral("NTP"), QStringLiteral("Timezone")}) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/timedate1"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
        signal << QStringLiteral("org.freedesktop.timedate1") << QVariantMap{{property, QStringLiteral("x")}}
               << QStringList();
        timedate.send(signal);
    }
    ASSERT_TRUE(spinUntil([&] { return checks.count == 2; }));
    EXPECT_EQ(changes.count, 1) << "only the zone's own property tells of a change";
}

} // namespace
} // namespace horalet::testing
