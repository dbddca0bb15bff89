#include <gtest/gtest.h>

#include "fake_status_watcher.h"
#include "program_support.h"
#include "qt_test_support.h"
#include "x11_display.h"

namespace horalet::testing {
namespace {

using namespace std::chrono_literals;

// The program where the environment names displays that cannot be used:
// it never aborts for want of a platform, and says why it chose what it did.
class DisplayChoiceProgram : public ::testing::Test {
protected:
    DisplayChoiceProgram()
    {
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-nowhere"));
        environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":nowhere"));
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
    }

    void start(QProcess& program, const QStringList& arguments = {})
    {
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(HORALET_PROGRAM), arguments);
        ASSERT_TRUE(program.waitForStarted());
    }

    PrivateBus bus;
    TempFolder config;
    QProcessEnvironment environment = programEnvironment(config);
};

TEST_F(DisplayChoiceProgram, WithNoDisplayAnsweringFallsBackToTheTerminalLine)
{
    EXPECT_FALSE(runProgram({QStringLiteral("--once")}, environment).trimmed().isEmpty());

    QProcess program;
    start(program);
    ASSERT_TRUE(spinUntil([&] { return program.canReadLine(); }, 10000ms))
        << program.readAllStandardError().toStdString();
    EXPECT_GT(program.readLine().trimmed().size(), 0);
    const QString said = QString::fromUtf8(program.readAllStandardError());
    EXPECT_TRUE(said.contains(QStringLiteral("Wayland")) && said.contains(QStringLiteral("X11"))
        && said.contains(QStringLiteral("终端")))
        << said.toStdString();
    expectCleanEnd(program);
}

TEST_F(DisplayChoiceProgram, WithNoDisplayButAPanelHostPutsItsItemOnTheBus)
{
    FakeStatusWatcher watcher(bus.connect(QStringLiteral("panel")));
    watcher.setHostRegistered(true, false);
    watcher.start();
    QProcess program;
    start(program);
    ASSERT_TRUE(spinUntil([&] { return !watcher.registrations.isEmpty(); }, 10000ms))
        << program.readAllStandardError().toStdString();
    EXPECT_TRUE(program.readAllStandardOutput().isEmpty()) << "no terminal line beside the panel item";
    expectCleanEnd(program);
}

// On X11 (the Wayland display named is gone), with no panel host: the
// status window shows, asking to be kept out of taskbars and pagers, on
// every desktop and above other windows; the settings window's title is
// its own, with nothing appended.
TEST_F(DisplayChoiceProgram, OnX11ShowsTheStatusWindowLikePartOfThePanel)
{
    PrivateX11Display display;
    ASSERT_FALSE(display.name().isEmpty());
    environment.insert(QStringLiteral("DISPLAY"), display.name());
    const auto shown = [&display](const QString& name) -> std::optional<X11Window> {
        for (const X11Window& window : display.shownWindows()) {
            if (window.name == name) {
                return window;
            }
        }
        return std::nullopt;
    };

    QProcess program;
    start(program);
    ASSERT_TRUE(spinUntil([&] { return shown(QStringLiteral("Horalet")).has_value(); }, 10000ms))
        << program.readAllStandardError().toStdString();
    const X11Window window = *shown(QStringLiteral("Horalet"));
    for (const char* state :
        {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER", "_NET_WM_STATE_STICKY", "_NET_WM_STATE_ABOVE"}) {
        EXPECT_TRUE(window.states.contains(QLatin1String(state))) << state;
    }
    EXPECT_EQ(window.desktop, 0xFFFFFFFFU);

    QProcess settings;
    start(settings, {QStringLiteral("settings")});
    ASSERT_TRUE(settings.waitForFinished(10000));
    EXPECT_EQ(settings.exitCode(), 0);
    EXPECT_TRUE(spinUntil([&] { return shown(QString::fromUtf8("Horalet 设置")).has_value(); }, 10000ms))
        << program.readAllStandardError().toStdString();
    expectCleanEnd(program);
}

} // namespace
} // namespace horalet::testing
