#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <string>
#include <unistd.h>

#include "platform/qt/shell/quit_on_signals.h"
#include "platform/qt/shell/terminal_status_bar.h"
#include "qt_test_support.h"

namespace horalet::testing {
namespace {

class Pipe {
public:
    Pipe()
    {
        if (::pipe2(ends_, O_CLOEXEC | O_NONBLOCK) != 0) {
            ADD_FAILURE() << "pipe2";
        }
    }
    ~Pipe()
    {
        closeReader();
        ::close(ends_[1]);
    }
    int writer() const { return ends_[1]; }
    void closeReader()
    {
        if (ends_[0] >= 0) {
            ::close(ends_[0]);
            ends_[0] = -1;
        }
    }
    std::string drain() const
    {
        std::string text;
        char buffer[256];
        ssize_t got = 0;
        while ((got = ::read(ends_[0], buffer, sizeof buffer)) > 0) {
            text.append(buffer, static_cast<std::size_t>(got));
        }
        return text;
    }

private:
    int ends_[2] = {-1, -1};
};

TEST(TerminalStatusLine, WritesEveryTitleRefreshAsOneLineEvenWhenUnchanged)
{
    Pipe pipe;
    platform::qt::TerminalStatusBar bar(pipe.writer(), [] {});
    const auto item = bar.statusItemWithLength(platform::shell::kVariableStatusItemLength);
    ASSERT_NE(item->button(), nullptr);
    item->button()->setTitle("12月9日周三 23:47");
    item->button()->setTitle("12月9日周三 23:47");
    item->button()->setTitle("12月9日周三 23:48");
    EXPECT_EQ(pipe.drain(), "12月9日周三 23:47\n12月9日周三 23:47\n12月9日周三 23:48\n");
    EXPECT_EQ(item->button()->title(), "12月9日周三 23:48");
}

TEST(TerminalStatusLine, EndsTheRunWhenTheReaderHasGone)
{
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    Pipe pipe;
    int closed = 0;
    platform::qt::TerminalStatusBar bar(pipe.writer(), [&] { ++closed; });
    const auto item = bar.statusItemWithLength(platform::shell::kVariableStatusItemLength);
    item->button()->setTitle("23:47");
    EXPECT_EQ(closed, 0);
    pipe.closeReader();
    item->button()->setTitle("23:48");
    EXPECT_EQ(closed, 1);
    std::signal(SIGPIPE, previous);
}

TEST(QuitOnSignals, SigtermAndSigintEndTheLoopInAnOrderlyWay)
{
    for (const int signal : {SIGTERM, SIGINT}) {
        SCOPED_TRACE(signal);
        int quits = 0;
        {
            platform::qt::QuitOnSignals quitter([&] { ++quits; });
            ::raise(signal);
            EXPECT_TRUE(spinUntil([&] { return quits == 1; }));
        }
        EXPECT_EQ(std::signal(signal, SIG_DFL), SIG_DFL) << "the handler is gone with the watcher";
    }
}

} // namespace
} // namespace horalet::testing
