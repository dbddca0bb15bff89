#include <gtest/gtest.h>

#include <csignal>

#include "platform/qt/shell/quit_on_signals.h"
#include "qt_test_support.h"

namespace horalet::testing {
namespace {

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
