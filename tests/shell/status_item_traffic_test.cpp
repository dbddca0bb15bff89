#include <map>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusConnectionInterface>

#include "app/delegate/app_delegate.h"
#include "bus_recorder.h"
#include "clock/settings_keys.h"
#include "fake_status_watcher.h"
#include "platform/qt/shell/desktop/qt_desktop_shell.h"
#include "qt_test_support.h"
#include "support/fake_platform.h"
#include "support/fake_shell.h"
#include "support/fake_updater.h"
#include "updates/app_updates.h"

namespace horalet::testing {
namespace {

namespace shell = platform::shell;

// 2025-11-19T12:00:00Z.
constexpr double kNoon = 1'763'553'600.0;
constexpr int kSecondsDriven = 180;

// The desktop's status bar, keeping the item it made for the test to reach.
class KeepingStatusBar final : public shell::StatusBar {
public:
    explicit KeepingStatusBar(shell::StatusBar& bar)
        : bar_(bar)
    {
    }
    std::shared_ptr<shell::StatusItem> statusItemWithLength(double length) override
    {
        item = bar_.statusItemWithLength(length);
        return item;
    }

    std::shared_ptr<shell::StatusItem> item;

private:
    shell::StatusBar& bar_;
};

// The application delegate on a virtual clock, with the real status item on
// a private bus and a panel that records every signal the item sends.
class StatusItemTrafficTest : public ::testing::Test {
protected:
    StatusItemTrafficTest()
    {
        platform.environment.setSystemZone("UTC");
        platform.clock.set(platform::Instant::fromSecondsSinceEpoch(kNoon + 0.3));
        watcher.setHostRegistered(true, false);
        watcher.start();
        guide.setSource([] { return std::vector<std::string>{"22:58"}; }, platform.store.didChange, zoneChanged);
    }

    shell::ShellServices services()
    {
        const shell::ShellServices fakes = shell.services();
        return {fakes.application, statusBar, fakes.mainRunLoop, fakes.fonts, fakes.windows, fakes.alerts,
            fakes.loginItems, fakes.systemEvents};
    }

    // Runs the clock for three minutes a tick at a time, running `eachTick`
    // after each, letting Qt send what each tick gave, and answers how many
    // of each signal the panel received.
    std::map<QString, int> signalsOverThreeMinutes(const std::function<void(int)>& eachTick = {})
    {
        BusRecorder received(
            panelBus, QStringLiteral("/StatusNotifierItem"), QStringLiteral("org.kde.StatusNotifierItem"), QString());
        // A round trip: the daemon has the recorder's match rule before anything is sent.
        panelBus.interface()->serviceOwner(QStringLiteral("org.freedesktop.DBus"));
        delegate.applicationDidFinishLaunching();
        QCoreApplication::processEvents();
        for (int second = 0; second < kSecondsDriven; ++second) {
            shell.runLoop.advance(1.0);
            if (eachTick) {
                eachTick(second);
            }
            QCoreApplication::processEvents();
        }
        // A title no tick gives marks the end: one sender's signals arrive in
        // order, so when its tooltip news is in, so is all that came before.
        statusBar.item->button()->setTitle("end");
        const auto isEnd = [](const QDBusMessage& message) {
            return message.member() == QStringLiteral("XAyatanaNewLabel")
                && message.arguments().value(0).toString() == QStringLiteral("end");
        };
        EXPECT_TRUE(spinUntil([&] {
            const auto end = std::find_if(received.messages.begin(), received.messages.end(), isEnd);
            return end != received.messages.end()
                && std::any_of(end, received.messages.end(),
                    [](const QDBusMessage& message) { return message.member() == QStringLiteral("NewToolTip"); });
        }));
        std::map<QString, int> counts;
        for (const QDBusMessage& message : received.messages) {
            if (isEnd(message)) {
                break;
            }
            ++counts[message.member()];
        }
        return counts;
    }

    // With seconds hidden: the first title, then the text and the face once a minute.
    static std::map<QString, int> onceAMinute()
    {
        return {
            {QStringLiteral("XAyatanaNewLabel"), 4},
            {QStringLiteral("NewTitle"), 4},
            {QStringLiteral("NewToolTip"), 4},
            {QStringLiteral("NewIcon"), 4},
        };
    }

    FakePlatform platform;
    FakeShell shell{platform.clock};
    FakeUpdaterControllerFactory updaterFactory;
    AppUpdates updates{{updaterFactory, platform.store, platform.mainQueue, shell.application}};
    PrivateBus bus;
    QDBusConnection itemBus = bus.connect(QStringLiteral("item"));
    QDBusConnection panelBus = bus.connect(QStringLiteral("panel"));
    FakeStatusWatcher watcher{panelBus};
    platform::Signal<> zoneChanged;
    platform::qt::LabelGuide guide;
    platform::qt::DesktopStatusBar desktopBar{{itemBus, guide, {}, {}, {}, {}}};
    KeepingStatusBar statusBar{desktopBar};
    app::AppDelegate delegate{{platform.store, platform.environment, platform.clock, platform.mainQueue, services(),
        updates, [] { return std::shared_ptr<platform::ui::View>(); }}};
};

// The stand-in watcher belongs to no known panel: the item shows the clock
// face, so the icon's news comes once a minute besides the text's.
TEST_F(StatusItemTrafficTest, WithSecondsHiddenTheTextAndTheFaceCrossTheBusOnceAMinute)
{
    EXPECT_EQ(signalsOverThreeMinutes(), onceAMinute()) << "the first title, then one a minute";
}

// The status window's place, the updater's last check and the like share
// the store with the clock's settings: their writes change no title.
TEST_F(StatusItemTrafficTest, WritesOfKeysTheTitleDoesNotReadSendNothing)
{
    EXPECT_EQ(signalsOverThreeMinutes([this](int second) {
        platform.store.setString(shellKeys::statusWindowPlace, std::to_string(second) + ",0");
    }),
        onceAMinute());
}

TEST_F(StatusItemTrafficTest, WithSecondsShownTheTextCrossesEverySecondAndTheFaceOnceAMinute)
{
    platform.store.setBool(K::seconds, true);
    const std::map<QString, int> expected{
        {QStringLiteral("XAyatanaNewLabel"), kSecondsDriven + 1},
        {QStringLiteral("NewTitle"), kSecondsDriven + 1},
        {QStringLiteral("NewToolTip"), kSecondsDriven + 1},
        {QStringLiteral("NewIcon"), 4},
    };
    EXPECT_EQ(signalsOverThreeMinutes(), expected);
}

} // namespace
} // namespace horalet::testing
