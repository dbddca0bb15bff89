#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include "platform/qt/shell/qt_application.h"
#include "platform/qt/shell/qt_main_queue.h"
#include "platform/qt/shell/qt_run_loop.h"
#include "qt_test_support.h"

namespace horalet::testing {
namespace {

using platform::Instant;

// The system clock, shifted: a clock that runs behind the time the event
// loop's timers go by, as after a small step of the wall clock.
class ShiftedClock final : public platform::Clock {
public:
    explicit ShiftedClock(double shift)
        : shift_(shift)
    {
    }
    Instant now() const override { return system_.now().advanced(shift_); }

private:
    platform::SystemClock system_;
    double shift_;
};

// Records when, by its clock, each fire came.
class FireLog final {
public:
    explicit FireLog(const platform::Clock& clock)
        : clock_(clock)
    {
    }
    void fired()
    {
        firedAt.push_back(clock_.now());
        if (onFire) {
            onFire();
        }
    }
    platform::shell::Timer::Action action()
    {
        return [this] { fired(); };
    }
    std::vector<Instant> firedAt;
    std::function<void()> onFire;

private:
    const platform::Clock& clock_;
};

std::shared_ptr<platform::shell::Timer> repeatingTimer(
    const platform::Clock& clock, FireLog& log, double firstIn, double interval)
{
    return std::make_shared<platform::shell::Timer>(clock.now().advanced(firstIn), interval, log.action());
}

TEST(QtRunLoop, FiresNeverEarlyAndKeepsTheScheduleOfTheFirstFireDate)
{
    // A clock 40 ms behind the event loop: every Qt wake-up comes early by
    // that clock and has to be re-armed rather than fired. How late a fire
    // comes depends on the machine's load; scripts/measure-terminal measures
    // it. Here: never before its date, and always on the first date's grid.
    for (const double shift : {0.0, -0.040}) {
        SCOPED_TRACE(shift);
        const ShiftedClock clock(shift);
        FireLog log(clock);
        platform::qt::QtRunLoop loop(clock);
        const auto timer = repeatingTimer(clock, log, 0.05, 0.1);
        const Instant first = timer->fireDate();
        std::vector<Instant> due{first};
        log.onFire = [&] { due.push_back(timer->fireDate()); };
        loop.addTimer(timer);

        ASSERT_TRUE(spinUntil([&] { return log.firedAt.size() >= 4; }));
        timer->invalidate();
        for (std::size_t fire = 0; fire < 4; ++fire) {
            EXPECT_GE(log.firedAt[fire], due[fire]) << "fire " << fire;
            EXPECT_GT(due[fire + 1], log.firedAt[fire]) << "the next date lies ahead, fire " << fire;
            const double intervals = (due[fire + 1].secondsSinceEpoch - first.secondsSinceEpoch) / 0.1;
            EXPECT_NEAR(intervals, std::round(intervals), 1e-4) << "on the grid, fire " << fire;
        }
    }
}

TEST(QtRunLoop, AnInvalidatedTimerNeverFiresAndARestartLeavesOneScheduled)
{
    const platform::SystemClock clock;
    FireLog stoppedLog(clock);
    FireLog restartedLog(clock);
    platform::qt::QtRunLoop loop(clock);
    const auto stopped = repeatingTimer(clock, stoppedLog, 0.02, 0.02);
    loop.addTimer(stopped);
    stopped->invalidate();
    const auto restarted = repeatingTimer(clock, restartedLog, 0.1, 1.0);
    loop.addTimer(restarted);

    // The restarted timer's first fire comes after several of the stopped one's dates.
    ASSERT_TRUE(spinUntil([&] { return !restartedLog.firedAt.empty(); }));
    EXPECT_TRUE(stoppedLog.firedAt.empty());
    EXPECT_EQ(loop.scheduledCount(), 1U);
}

TEST(QtRunLoop, ATimerFiresInsideANestedLoopAsWhileAMenuIsOpen)
{
    const platform::SystemClock clock;
    FireLog log(clock);
    platform::qt::QtRunLoop loop(clock);
    loop.addTimer(repeatingTimer(clock, log, 0.02, 0.02));
    QEventLoop nested;
    log.onFire = [&] {
        if (log.firedAt.size() == 3) {
            nested.quit();
        }
    };
    QTimer::singleShot(2000, &nested, &QEventLoop::quit);
    nested.exec();
    EXPECT_EQ(log.firedAt.size(), 3U);
}

TEST(QtRunLoop, AOneShotTimerFiresOnceAndTheHookRunsAfterIt)
{
    const platform::SystemClock clock;
    FireLog once(clock);
    FireLog later(clock);
    platform::qt::QtRunLoop loop(clock);
    std::vector<std::size_t> firesSeenByHook;
    loop.setAfterFire([&] { firesSeenByHook.push_back(once.firedAt.size() + later.firedAt.size()); });
    loop.addTimer(std::make_shared<platform::shell::Timer>(clock.now().advanced(0.01), 0.01, once.action(), false));
    // A second timer, due after several of the first one's intervals, proves
    // that the first had every chance to fire again.
    loop.addTimer(std::make_shared<platform::shell::Timer>(clock.now().advanced(0.08), 0.01, later.action(), false));
    ASSERT_TRUE(spinUntil([&] { return !later.firedAt.empty(); }));
    EXPECT_EQ(once.firedAt.size(), 1U);
    EXPECT_EQ(firesSeenByHook, (std::vector<std::size_t>{1, 2}));
}

TEST(QtMainQueue, RunsBlocksOnTheMainThreadInSubmissionOrder)
{
    platform::qt::QtMainQueue queue;
    const auto mainThread = std::this_thread::get_id();
    std::vector<int> order;
    std::atomic<int> offMain = 0;
    for (int block = 0; block < 5; ++block) {
        queue.async([&, block] { order.push_back(block); });
    }
    std::vector<int> fromWorker;
    std::thread worker([&] {
        for (int block = 0; block < 50; ++block) {
            queue.async([&, block] {
                offMain += std::this_thread::get_id() != mainThread ? 1 : 0;
                fromWorker.push_back(block);
            });
        }
    });
    worker.join();
    EXPECT_TRUE(order.empty()) << "blocks run later, not at submission";
    ASSERT_TRUE(spinUntil([&] { return fromWorker.size() == 50; }));
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
    for (int block = 0; block < 50; ++block) {
        EXPECT_EQ(fromWorker[static_cast<std::size_t>(block)], block);
    }
    EXPECT_EQ(offMain, 0);
}

class LaunchCounter final : public platform::shell::ApplicationDelegate {
public:
    explicit LaunchCounter(platform::shell::Application& application)
        : application_(application)
    {
    }
    void applicationDidFinishLaunching() override
    {
        ++launches;
        insideLoop = QCoreApplication::instance()->thread()->loopLevel() > 0;
        QTimer::singleShot(20, [this] { application_.terminate(); });
    }
    int launches = 0;
    bool insideLoop = false;

private:
    platform::shell::Application& application_;
};

TEST(QtApplication, LaunchesOnceInsideTheLoopAndQuitsWithStatusZero)
{
    platform::qt::QtApplication application;
    LaunchCounter delegate(application);
    application.setDelegate(&delegate);
    EXPECT_EQ(application.run(), 0);
    EXPECT_EQ(delegate.launches, 1);
    EXPECT_TRUE(delegate.insideLoop);
}

} // namespace
} // namespace horalet::testing
