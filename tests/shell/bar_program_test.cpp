#include <gtest/gtest.h>

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "fake_single_instance.h"
#include "program_support.h"
#include "qt_test_support.h"

namespace horalet::testing {
namespace {

using namespace std::chrono_literals;

// A line of the bar's output and the second it came in.
struct Arrival {
    QByteArray line;
    qint64 second = 0;
};

// The program as a status bar runs it: `horalet bar --protocol NAME` with
// its standard input and output on pipes.
class BarProgram {
public:
    BarProgram(const TempFolder& config, QString protocol, QProcessEnvironment environment = {})
        : environment_(environment.isEmpty() ? programEnvironment(config) : std::move(environment))
        , protocol_(std::move(protocol))
    {
    }

    void settings(const QStringList& keysAndValues)
    {
        for (qsizetype i = 0; i + 1 < keysAndValues.size(); i += 2) {
            runProgram({QStringLiteral("defaults"), QStringLiteral("write"), keysAndValues[i], keysAndValues[i + 1]},
                environment_);
        }
    }

    void start()
    {
        process.setProcessEnvironment(environment_);
        process.start(
            QStringLiteral(HORALET_PROGRAM), {QStringLiteral("bar"), QStringLiteral("--protocol"), protocol_});
        ASSERT_TRUE(process.waitForStarted());
    }

    // The next line; an empty one when none came within a few seconds.
    Arrival nextLine()
    {
        if (!spinUntil([&] { return process.canReadLine(); }, 5000ms)) {
            ADD_FAILURE() << "no line: " << process.readAllStandardError().toStdString();
            return {};
        }
        return {process.readLine().chopped(1), QDateTime::currentSecsSinceEpoch()};
    }

    // The next status line, past the i3bar header and the array's opening.
    Arrival nextStatus()
    {
        Arrival arrival = nextLine();
        while (protocol_ == QStringLiteral("i3bar") && (arrival.line.startsWith("{") || arrival.line == "[")) {
            arrival = nextLine();
        }
        return arrival;
    }

    QString onceAt(qint64 second) const
    {
        return QString::fromUtf8(runProgram(
            {QStringLiteral("--once"), QStringLiteral("--at"), QStringLiteral("@%1").arg(second)}, environment_)
                                     .chopped(1));
    }

    QProcessEnvironment environment_;
    QString protocol_;
    QProcess process;
};

QJsonValue parsed(const QByteArray& line)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
    return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
}

// A zone, a label and seconds, so that every line is new and shows all
// the parts a bar can show.
const QStringList kTokyoWithSeconds{QStringLiteral("timeZone"), QStringLiteral("Asia/Tokyo"),
    QStringLiteral("prefixLabel"), QStringLiteral("东京"), QStringLiteral("showSeconds"), QStringLiteral("true")};

class EveryProtocol : public ::testing::TestWithParam<QString> { };

TEST_P(EveryProtocol, EveryLineParsesAndShowsTheClockTextOfItsSecond)
{
    TempFolder config;
    BarProgram bar(config, GetParam());
    bar.settings(kTokyoWithSeconds);
    bar.start();
    if (GetParam() == QStringLiteral("i3bar")) {
        const QJsonObject header = parsed(bar.nextLine().line).toObject();
        EXPECT_EQ(header.value(QStringLiteral("version")).toInt(), 1);
        EXPECT_TRUE(header.value(QStringLiteral("click_events")).toBool());
        EXPECT_EQ(bar.nextLine().line, "[");
    }
    for (int i = 0; i < 3; ++i) {
        const Arrival arrival = bar.nextStatus();
        QString text;
        if (GetParam() == QStringLiteral("waybar")) {
            const QJsonObject object = parsed(arrival.line).toObject();
            text = object.value(QStringLiteral("text")).toString();
            EXPECT_TRUE(object.value(QStringLiteral("tooltip")).toString().contains(QStringLiteral("\n本机：")));
            EXPECT_EQ(object.value(QStringLiteral("class")).toString(), QStringLiteral("chosen-zone"));
        } else if (GetParam() == QStringLiteral("i3bar")) {
            QByteArray status = arrival.line;
            EXPECT_EQ(status.startsWith(','), i > 0) << "later lines continue the array";
            const QJsonObject block
                = parsed(status.startsWith(',') ? status.mid(1) : status).toArray().at(0).toObject();
            text = block.value(QStringLiteral("full_text")).toString();
            EXPECT_EQ(QStringLiteral("东京 ") + block.value(QStringLiteral("short_text")).toString(), text);
            EXPECT_EQ(block.value(QStringLiteral("name")).toString(), QStringLiteral("horalet"));
        } else {
            text = QString::fromUtf8(arrival.line);
        }
        // The line was written just after its second began and read a moment later.
        const QStringList candidates{bar.onceAt(arrival.second), bar.onceAt(arrival.second - 1)};
        EXPECT_TRUE(candidates.contains(text)) << text.toStdString() << " vs " << candidates.join(" | ").toStdString();
    }
    expectCleanEnd(bar.process);
}

// The bar goes away (here: the reader takes one status line and ends):
// the next write ends the program with status 0, at once.
TEST_P(EveryProtocol, EndsWithStatusZeroOnceItsReaderHasGone)
{
    TempFolder config;
    QProcess pipeline;
    pipeline.setProcessEnvironment(programEnvironment(config));
    const QString linesBeforeStatus = GetParam() == QStringLiteral("i3bar") ? QStringLiteral("3") : QStringLiteral("1");
    pipeline.start(QStringLiteral("bash"),
        {QStringLiteral("-c"),
            QStringLiteral(R"("$0" bar --protocol "$1" | head -n "$2" > /dev/null; exit "${PIPESTATUS[0]}")"),
            QStringLiteral(HORALET_PROGRAM), GetParam(), linesBeforeStatus});
    ASSERT_TRUE(pipeline.waitForFinished(15000)) << "still writing into a closed pipe";
    EXPECT_EQ(pipeline.exitCode(), 0) << pipeline.readAllStandardError().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Bar, EveryProtocol,
    ::testing::Values(QStringLiteral("plain"), QStringLiteral("waybar"), QStringLiteral("i3bar")),
    [](const ::testing::TestParamInfo<QString>& protocol) { return protocol.param.toStdString(); });

TEST(BarProgramClicks, ALeftClickReachesTheRunningClockAndNoInputStopsTheLines)
{
    PrivateBus bus;
    FakeSingleInstance clock(bus.connect(QStringLiteral("clock")));
    TempFolder config;
    QProcessEnvironment environment = programEnvironment(config);
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
    BarProgram bar(config, QStringLiteral("i3bar"), environment);
    bar.settings({QStringLiteral("showSeconds"), QStringLiteral("true")});
    bar.start();
    bar.nextStatus();

    bar.process.write("[\n");
    bar.process.write("not json at all\n");
    bar.process.write(QByteArray("\x00\xff\xfe{\"name\":\n", 10));
    bar.process.write(QByteArray(200000, 'x') + "\n");
    bar.process.write(R"({"name":"horalet","instance":"clock","button":3})"
                      "\n");
    bar.process.write(R"(,{"name":"horalet","instance":"clock","button":1,"x":12,"y":4})"
                      "\n");
    ASSERT_TRUE(spinUntil([&] { return clock.openSettingsCalls > 0; }, 10000ms));
    EXPECT_EQ(clock.openSettingsCalls, 1);

    const Arrival afterGarbage = bar.nextStatus();
    EXPECT_TRUE(afterGarbage.line.startsWith(",[{")) << afterGarbage.line.toStdString();
    bar.process.closeWriteChannel();
    EXPECT_FALSE(bar.nextStatus().line.isEmpty()) << "a closed input stops no line";
    EXPECT_FALSE(bar.nextStatus().line.isEmpty());
    expectCleanEnd(bar.process);
}

TEST(BarProgramSettings, FollowsAChangeWrittenByAnotherProcess)
{
    TempFolder config;
    BarProgram bar(config, QStringLiteral("waybar"));
    bar.start();
    bar.nextStatus();
    bar.settings({QStringLiteral("prefixLabel"), QStringLiteral("大阪")});
    EXPECT_TRUE(spinUntil(
        [&] {
            const Arrival arrival = bar.nextStatus();
            return arrival.line.isEmpty()
                || parsed(arrival.line)
                       .toObject()
                       .value(QStringLiteral("text"))
                       .toString()
                       .startsWith(QStringLiteral("大阪 "));
        },
        10000ms));
    expectCleanEnd(bar.process);
}

// What a bar's on-click runs: the running clock opens its settings window.
TEST(SettingsCommand, AsksTheRunningClockToOpenItsSettingsWindow)
{
    PrivateBus bus;
    FakeSingleInstance clock(bus.connect(QStringLiteral("clock")));
    TempFolder config;
    QProcessEnvironment environment = programEnvironment(config);
    environment.insert(QStringLiteral("DISPLAY"), QStringLiteral(":99"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
    QProcess settings;
    settings.setProcessEnvironment(environment);
    settings.start(QStringLiteral(HORALET_PROGRAM), {QStringLiteral("settings")});
    ASSERT_TRUE(spinUntil([&] { return settings.state() == QProcess::NotRunning; }, 15000ms));
    EXPECT_EQ(settings.exitCode(), 0) << settings.readAllStandardError().toStdString();
    EXPECT_EQ(clock.openSettingsCalls, 1);
}

} // namespace
} // namespace horalet::testing
