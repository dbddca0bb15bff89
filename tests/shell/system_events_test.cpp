#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusMessage>

#include <string>
#include <vector>

#include "bus_recorder.h"
#include "platform/linux/atomic_file.h"
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

// The contents of a file, as a posting finds them.
std::string contentsOf(const std::string& path)
{
    std::string contents;
    std::string error;
    platform::os::readWholeFile(path, contents, error);
    return contents;
}

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
    pollfd readable{.fd = watch.timer().fd(), .events = POLLIN, .revents = 0};
    EXPECT_EQ(::poll(&readable, 1, 0), 0) << "nothing for the watch to read, so nothing to post";
    QCoreApplication::processEvents();
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
    std::vector<std::string> zonesPosted;
    center.addObserver(notifications::systemTimeZoneDidChange, [&] { zonesPosted.push_back(contentsOf(link)); });
    platform::qt::ZoneWatch watch(center, QString::fromStdString(link));

    // As zone tools do: a new link renamed over the old one.
    ASSERT_EQ(::symlink(folder.file("Tokyo").c_str(), folder.file("localtime.new").c_str()), 0);
    ASSERT_EQ(::rename(folder.file("localtime.new").c_str(), link.c_str()), 0);
    EXPECT_TRUE(spinUntil([&] { return zonesPosted.size() == 1; }, 1000ms));

    writeFile(folder.file("Tokyo"), "TZif tokyo, new rules");
    EXPECT_TRUE(spinUntil([&] { return zonesPosted.size() == 2; }, 1000ms));

    ::utimensat(AT_FDCWD, folder.file("Tokyo").c_str(), nullptr, 0);
    // A last change, posted after anything the touch or a late repeat would.
    writeFile(folder.file("Tokyo"), "TZif tokyo, last rules");
    EXPECT_TRUE(spinUntil([&] { return !zonesPosted.empty() && zonesPosted.back() == "TZif tokyo, last rules"; }));
    EXPECT_EQ(zonesPosted, (std::vector<std::string>{"TZif tokyo", "TZif tokyo, new rules", "TZif tokyo, last rules"}))
        << "one posting per change; touching the file without changing the zone posts nothing";
}

TEST(PreferencesFileWatch, AChangeByAnotherProcessPostsOnceWithinASecondAndOurOwnWritesNoMore)
{
    TempFolder folder;
    const std::string path = folder.file("horalet/preferences.json");
    platform::NotificationCenter center;
    platform::PreferencesStore store(center, std::make_unique<platform::qt::JsonPreferencesFile>(path));
    std::vector<std::string> labelsPosted;
    center.addObserver(notifications::preferencesDidChange,
        [&] { labelsPosted.push_back(store.stringForKey("clockLabel").value_or("")); });
    platform::qt::PreferencesFileWatch watch(store, QString::fromStdString(path));

    // Another process creates the folder and the file, later changes it.
    platform::NotificationCenter otherCenter;
    platform::PreferencesStore other(otherCenter, std::make_unique<platform::qt::JsonPreferencesFile>(path));
    other.setBool("showSeconds", true);
    EXPECT_TRUE(spinUntil([&] { return labelsPosted.size() == 1; }, 1000ms));
    EXPECT_TRUE(store.boolForKey("showSeconds"));
    other.setString("clockLabel", "北京");
    EXPECT_TRUE(spinUntil([&] { return labelsPosted.size() == 2; }, 1000ms));
    EXPECT_EQ(store.stringForKey("clockLabel"), "北京");

    store.setBool("bold", true);
    // The other process's next change, posted after anything our own write set off.
    other.setString("clockLabel", "上海");
    EXPECT_TRUE(spinUntil([&] { return !labelsPosted.empty() && labelsPosted.back() == "上海"; }, 1000ms));
    EXPECT_EQ(labelsPosted, (std::vector<std::string>{"", "北京", "北京", "上海"}))
        << "our own write posts once, the watch adds nothing";
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
    BusRecorder delivered(system, QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"));
    for (const bool starting : {true, false}) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"));
        signal << starting;
        logind.send(signal);
    }
    // Both signals reached this connection, the watch's handler before ours.
    ASSERT_TRUE(spinUntil([&] { return delivered.messages.size() == 2; }));
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
    BusRecorder delivered(system, QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    // The bus has the watch's match rules once it answers a later call.
    PrivateBus::call(system,
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping")));

    for (const QString& property : {QStringLiteral("NTP"), QStringLiteral("Timezone")}) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/timedate1"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
        signal << QStringLiteral("org.freedesktop.timedate1") << QVariantMap{{property, QStringLiteral("x")}}
               << QStringList();
        timedate.send(signal);
    }
    ASSERT_TRUE(spinUntil([&] { return delivered.messages.size() == 2; }));
    EXPECT_EQ(changes.count, 1) << "only the zone's change posts";
}

} // namespace
} // namespace horalet::testing
