#include "program_support.h"

#include <gtest/gtest.h>

namespace horalet::testing {

QProcessEnvironment programEnvironment(const TempFolder& config)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(config.path()));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), QString::fromStdString(config.path()));
    // The desktop shell writes its panel icon there: never in the real session's.
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromStdString(config.path()));
    return environment;
}

QByteArray runProgram(const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(HORALET_PROGRAM), arguments);
    EXPECT_TRUE(program.waitForFinished(10000)) << arguments.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    return program.readAllStandardOutput();
}

void expectCleanEnd(QProcess& program)
{
    program.terminate();
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

} // namespace horalet::testing
