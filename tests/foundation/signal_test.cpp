#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/main_queue.h"
#include "platform/foundation/published.h"
#include "platform/foundation/signal.h"
#include "support/fake_platform.h"

namespace horalet::platform {
namespace {

TEST(Signal, SlotsHearEachNotificationInConnectionOrderUntilTheirConnectionGoes)
{
    Signal<int> signal;
    std::vector<std::string> heard;
    Connection first = signal.connect([&](int value) { heard.push_back("first " + std::to_string(value)); });
    {
        const Connection second
            = signal.connect([&](int value) { heard.push_back("second " + std::to_string(value)); });
        signal.notify(1);
    }
    signal.notify(2);
    first.disconnect();
    signal.notify(3);

    EXPECT_EQ(heard, (std::vector<std::string>{"first 1", "second 1", "first 2"}));
    EXPECT_EQ(signal.connectionCount(), 0U);
}

TEST(Signal, ASlotDisconnectedDuringANotificationIsNotCalledByIt)
{
    Signal<> signal;
    Connection later;
    int laterCalls = 0;
    const Connection first = signal.connect([&] { later.disconnect(); });
    later = signal.connect([&] { ++laterCalls; });
    signal.notify();
    EXPECT_EQ(laterCalls, 0);
}

TEST(Signal, AConnectionMayOutliveItsSignalAndMovesKeepOneConnection)
{
    Connection kept;
    int calls = 0;
    {
        Signal<> signal;
        Connection made = signal.connect([&] { ++calls; });
        kept = std::move(made);
        EXPECT_FALSE(made.connected());
        signal.notify();
        EXPECT_EQ(signal.connectionCount(), 1U);
    }
    EXPECT_TRUE(kept.connected());
    kept.disconnect();
    EXPECT_EQ(calls, 1);
}

TEST(Published, TellsTheOwnerBeforeTheValueIsStored)
{
    Signal<> willChange;
    Published<std::string> status{willChange, "idle"};
    std::vector<std::string> seenAtNotice;
    const Connection watching = willChange.connect([&] { seenAtNotice.push_back(status.get()); });
    status = "busy";
    status = "busy";
    EXPECT_EQ(seenAtNotice, (std::vector<std::string>{"idle", "busy"}));
    EXPECT_EQ(status.get(), "busy");
}

TEST(QueueContext, BlocksStillWaitingWhenItGoesDoNotRun)
{
    testing::ManualMainQueue queue;
    int ran = 0;
    {
        QueueContext context(queue);
        context.async([&] { ++ran; });
        queue.drain();
        context.async([&] { ++ran; });
    }
    EXPECT_EQ(queue.drain(), 1U);
    EXPECT_EQ(ran, 1);
}

} // namespace
} // namespace horalet::platform
