#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <csignal>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>

#include "platform/linux/atomic_file.h"
#include "platform/updater/core/program_file.h"
#include "platform/updater/core/program_replacement.h"
#include "test_signing.h"

namespace horalet::platform::updater::engine {
namespace {

std::string contentsOf(const std::string& path)
{
    std::string contents;
    std::string error;
    EXPECT_TRUE(os::readWholeFile(path, contents, error)) << error;
    return contents;
}

mode_t modeOf(const std::string& path)
{
    struct stat info { };
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

// A program file in a folder of its own: a copy of sleep(1).
class ProgramReplacement : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        original = contentsOf("/bin/sleep");
        std::string error;
        ASSERT_TRUE(os::writeFileAtomically(program, original, 0751, error)) << error;
    }

    pid_t startProgram()
    {
        const pid_t child = ::fork();
        if (child == 0) {
            ::execl(program.c_str(), program.c_str(), "30", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        // Running once the kernel names the program file as the child's.
        const std::string exe = "/proc/" + std::to_string(child) + "/exe";
        for (int tries = 0; tries < 5000; ++tries) {
            std::error_code unreadable;
            if (std::filesystem::read_symlink(exe, unreadable) == program) {
                break;
            }
            ::usleep(1000);
        }
        return child;
    }

    QTemporaryDir folder;
    std::string program = folder.filePath(QStringLiteral("horalet")).toStdString();
    std::string original;
    std::string replacement = testing::makePackage("2.0");
};

TEST_F(ProgramReplacement, ReplacesARunningProgramKeepingItsModeAndABackup)
{
    const pid_t running = startProgram();
    ASSERT_GT(running, 0);

    std::string error;
    ASSERT_TRUE(replaceProgramFile(program, replacement, error)) << error;

    EXPECT_EQ(contentsOf(program), replacement);
    EXPECT_EQ(modeOf(program), 0751u);
    EXPECT_EQ(contentsOf(backupPathFor(program)), original);
    EXPECT_EQ(::kill(running, 0), 0) << "the running program goes on from the old file";
    ::kill(running, SIGKILL);
    ::waitpid(running, nullptr, 0);

    const std::string command = program + " > " + folder.filePath(QStringLiteral("out")).toStdString();
    EXPECT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(contentsOf(folder.filePath(QStringLiteral("out")).toStdString()), "new\n");
}

TEST_F(ProgramReplacement, AKillBeforeTheRenameLeavesTheOriginalInPlace)
{
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::string error;
        replaceProgramFile(program, replacement, error, [] { ::_exit(0); });
        ::_exit(3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the hook ran";

    EXPECT_EQ(contentsOf(program), original);
    EXPECT_EQ(modeOf(program), 0751u);
    const std::string command = program + " 0";
    EXPECT_EQ(std::system(command.c_str()), 0) << "the original still runs";
}

TEST_F(ProgramReplacement, AMissingProgramIsReportedAndNothingIsWritten)
{
    std::string error;
    EXPECT_FALSE(replaceProgramFile(program + "-missing", replacement, error));
    EXPECT_FALSE(error.empty());
    EXPECT_NE(::access((program + "-missing").c_str(), F_OK), 0);
}

TEST_F(ProgramReplacement, OnlyAProgramThisUserCanReplaceQualifies)
{
    EXPECT_EQ(whyProgramNotReplaceable(program), std::nullopt);

    // Root may write into any folder of a writable file system; /proc
    // refuses new files to everyone.
    EXPECT_NE(whyProgramNotReplaceable("/proc/version"), std::nullopt) << "a folder nobody can write";
    if (::geteuid() != 0) {
        ASSERT_EQ(::chmod(folder.path().toLocal8Bit().constData(), 0555), 0);
        EXPECT_NE(whyProgramNotReplaceable(program), std::nullopt) << "a folder this user cannot write";
        ::chmod(folder.path().toLocal8Bit().constData(), 0755);
    }

    EXPECT_NE(whyProgramNotReplaceable("/usr/bin/sleep"), std::nullopt) << "the distribution's";
    EXPECT_NE(whyProgramNotReplaceable(folder.path().toStdString()), std::nullopt) << "a folder";
    EXPECT_NE(whyProgramNotReplaceable(""), std::nullopt);
}

} // namespace
} // namespace horalet::platform::updater::engine
