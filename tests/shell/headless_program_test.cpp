#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "qt_test_support.h"
#include "support/temp_folder.h"

namespace horalet::testing {
namespace {

using namespace std::chrono_literals;

// The program itself, without a display or asked for the terminal line.
class HeadlessProgram : public ::testing::TestWithParam<QStringList> {
protected:
    void start(const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(config.path()));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), QString::fromStdString(config.path()));
        program.setProcessEnvironment(environment);
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
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(3000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

INSTANTIATE_TEST_SUITE_P(NoDisplayOrAskedFor, HeadlessProgram,
    ::testing::Values(QStringList{}, QStringList{QStringLiteral("--headless")}),
    [](const ::testing::TestParamInfo<QStringList>& arguments) {
        return arguments.param.isEmpty() ? "NoArguments" : "Headless";
    });

} // namespace
} // namespace horalet::testing
