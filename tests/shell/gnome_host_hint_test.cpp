#include <functional>

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

#include "clock/settings_keys.h"
#include "fake_status_watcher.h"
#include "platform/foundation/log.h"
#include "platform/qt/shell/desktop/gnome_host_hint.h"
#include "qt_test_support.h"

namespace horalet::testing {

// A desktop's notification service on the private bus: records each notice.
class StandInNotifications final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    explicit StandInNotifications(QDBusConnection connection)
        : connection_(std::move(connection))
    {
        connection_.registerObject(
            QStringLiteral("/org/freedesktop/Notifications"), this, QDBusConnection::ExportAllSlots);
        connection_.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }

    struct Notice {
        QString appName;
        QString summary;
        QString body;
    };
    std::vector<Notice> notices;
    // Runs while a notice is on its way, before it is answered.
    std::function<void()> meanwhile;

public Q_SLOTS:
    uint Notify(const QString& appName, uint, const QString&, const QString& summary, const QString& body,
        const QStringList&, const QVariantMap&, int)
    {
        notices.push_back({appName, summary, body});
        if (meanwhile) {
            meanwhile();
        }
        return static_cast<uint>(notices.size());
    }

private:
    QDBusConnection connection_;
};

namespace {

using platform::qt::GnomeHostHint;
using Outcome = GnomeHostHint::Outcome;
using namespace std::chrono_literals;

// GNOME without a host for status items, on a private bus.
class GnomeHint : public ::testing::Test {
protected:
    // Starts a hint and waits for how it ended: the first end it told of.
    Outcome run(std::chrono::milliseconds grace = 0ms, const std::function<void()>& meanwhile = {})
    {
        std::vector<Outcome> outcomes;
        GnomeHostHint hint(bus.connect(QStringLiteral("clock")), store, shellKeys::gnomeHostHintGiven,
            QStringLiteral("horalet"), grace, [&outcomes](Outcome done) { outcomes.push_back(done); });
        if (meanwhile) {
            meanwhile();
        }
        EXPECT_TRUE(spinUntil([&] { return !outcomes.empty(); }));
        return outcomes.empty() ? Outcome::notTold : outcomes.front();
    }

    PrivateBus bus;
    platform::PreferencesStore store;
};

TEST_F(GnomeHint, TellsOnceInChineseWhatToEnableAndKeepsThatItDid)
{
    StandInNotifications notifications(bus.connect(QStringLiteral("notifications")));
    EXPECT_EQ(run(), Outcome::told);
    ASSERT_EQ(notifications.notices.size(), 1U);
    const StandInNotifications::Notice& notice = notifications.notices[0];
    EXPECT_EQ(notice.appName, QStringLiteral("Horalet"));
    EXPECT_TRUE(notice.body.contains(QStringLiteral("gnome-shell-extension-appindicator")));
    EXPECT_TRUE(notice.body.contains(QStringLiteral("扩展")));
    EXPECT_TRUE(notice.body.contains(QStringLiteral("注销")));
    EXPECT_TRUE(store.boolForKey(shellKeys::gnomeHostHintGiven));

    EXPECT_EQ(run(), Outcome::toldBefore) << "a later start stays quiet";
    EXPECT_EQ(notifications.notices.size(), 1U);
}

TEST_F(GnomeHint, SaysNothingWhenAHostIsThereOrArrivesInTime)
{
    StandInNotifications notifications(bus.connect(QStringLiteral("notifications")));
    FakeStatusWatcher watcher(bus.connect(QStringLiteral("panel")));
    watcher.setHostRegistered(true, false);

    EXPECT_EQ(run(60s, [&watcher] { watcher.start(); }), Outcome::hostPresent) << "the shell starts a moment later";
    EXPECT_EQ(run(), Outcome::hostPresent) << "the host is there from the start";
    EXPECT_TRUE(notifications.notices.empty());
    EXPECT_FALSE(store.boolForKey(shellKeys::gnomeHostHintGiven));
}

TEST_F(GnomeHint, AHostThatArrivesWhileTheNoticeIsOnItsWayLeavesItTold)
{
    StandInNotifications notifications(bus.connect(QStringLiteral("notifications")));
    FakeStatusWatcher watcher(bus.connect(QStringLiteral("panel")));
    watcher.setHostRegistered(true, false);
    notifications.meanwhile = [&watcher] { watcher.start(); };
    EXPECT_EQ(run(), Outcome::told) << "the host's arrival reaches the hint before the notice's answer";
    EXPECT_TRUE(store.boolForKey(shellKeys::gnomeHostHintGiven));
}

TEST_F(GnomeHint, WithoutANotificationServiceSaysItOnStandardErrorAndTriesAgainNextTime)
{
    std::vector<std::string> lines;
    const platform::log::Sink previous
        = platform::log::setSink([&lines](std::string_view line) { lines.emplace_back(line); });
    EXPECT_EQ(run(), Outcome::notTold);
    platform::log::setSink(previous);
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_NE(lines[0].find("gnome-shell-extension-appindicator"), std::string::npos);
    EXPECT_FALSE(store.boolForKey(shellKeys::gnomeHostHintGiven));
}

} // namespace
} // namespace horalet::testing

#include "gnome_host_hint_test.moc"
