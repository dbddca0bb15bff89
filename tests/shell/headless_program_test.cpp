#include <gtest/gtest.h>

#include <QDBusVariant>
#include <QFile>

#include "fake_status_watcher.h"
#include "program_support.h"
#include "qt_test_support.h"

namespace horalet::testing {
namespace {

using namespace std::chrono_literals;

// The program itself, without a display or asked for the terminal line.
class HeadlessProgram : public ::testing::TestWithParam<QStringList> {
protected:
    void start(const QStringList& arguments)
    {
        program.setProcessEnvironment(programEnvironment(config));
        program.start(QStringLiteral(HORALET_PROGRAM), arguments);
        ASSERT_TRUE(program.waitForStarted());
    }

    TempFolder config;
    QProcess program;
};

TEST_P(HeadlessProgram, WritesOneLineASecondAndEndsWithStatusZeroOnSigterm)
{
    start(GetParam());
    ASSERT_TRUE(spinUntil([&] { return program.canReadLine(); }, 3000ms));
    const QByteArray first = program.readLine();
    EXPECT_TRUE(first.endsWith('\n'));
    EXPECT_GT(first.trimmed().size(), 0);
    ASSERT_TRUE(spinUntil([&] { return program.canReadLine(); }, 2500ms)) << "a second line a second later";
    expectCleanEnd(program);
}

INSTANTIATE_TEST_SUITE_P(NoDisplayOrAskedFor, HeadlessProgram,
    ::testing::Values(QStringList{}, QStringList{QStringLiteral("--headless")}),
    [](const ::testing::TestParamInfo<QStringList>& arguments) {
        return arguments.param.isEmpty() ? "NoArguments" : "Headless";
    });

// With a display the program loads the desktop parts it carries inside:
// its item reaches the panel with an icon the panel finds by name though
// the program is not installed, answers the panel's clicks, and a second
// start hands over to the first.
TEST(DesktopProgram, PutsItsItemOnThePanelAndStaysTheOnlyClock)
{
    PrivateBus bus;
    FakeStatusWatcher watcher(bus.connect(QStringLiteral("panel")));
    watcher.setHostRegistered(true, false);
    watcher.start();
    TempFolder config;
    QProcessEnvironment environment = programEnvironment(config);
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":99"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(HORALET_PROGRAM), {});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(spinUntil([&] { return !watcher.registrations.isEmpty(); }, 10000ms))
        << first.readAllStandardError().toStdString();

    QDBusConnection panel = bus.connect(QStringLiteral("probe"));
    const auto call = [&](const QString& interface, const QString& method, const QVariantList& arguments) {
        QDBusMessage message
            = QDBusMessage::createMethodCall(watcher.registrations.first().section(QLatin1Char('/'), 0, 0),
                QStringLiteral("/StatusNotifierItem"), interface, method);
        message.setArguments(arguments);
        return PrivateBus::call(panel, message);
    };
    const auto property = [&](const char* name) {
        const QDBusMessage reply = call(QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
            {QStringLiteral("org.kde.StatusNotifierItem"), QLatin1String(name)});
        return reply.arguments().value(0).value<QDBusVariant>().variant().toString();
    };
    const QString themePath = property("IconThemePath");
    EXPECT_EQ(themePath, QString::fromStdString(config.path()) + QStringLiteral("/horalet/icons"));
    EXPECT_TRUE(QFile::exists(themePath + QStringLiteral("/hicolor/scalable/apps/horalet.svg")));
    // This panel is no process known to show labels: the item shows the
    // clock face, by its pixmaps alone.
    EXPECT_EQ(property("IconName"), QString());
    for (const char* method : {"Activate", "ContextMenu", "SecondaryActivate"}) {
        const QDBusMessage reply = call(QStringLiteral("org.kde.StatusNotifierItem"), QLatin1String(method), {10, 10});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << method << reply.errorMessage().toStdString();
    }

    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(HORALET_PROGRAM), {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(watcher.registrations.size(), 1);
    expectCleanEnd(first);
}

} // namespace
} // namespace horalet::testing
