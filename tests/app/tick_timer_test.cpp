#include <iomanip>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/delegate/status_glance.h"
#include "clock/settings_keys.h"
#include "clock_fixture.h"
#include "platform/foundation/system_environment.h"

namespace horalet::app {

// A failure shows a time of day as a clock does.
void PrintTo(const TimeOfDay& time, std::ostream* out)
{
    *out << time.hour << ':' << std::setw(2) << std::setfill('0') << time.minute;
}

} // namespace horalet::app

namespace horalet::testing {
namespace {

namespace shell = platform::shell;

class TickTimerTest : public ClockFixture {
protected:
    TickTimerTest() { platform.store.setBool(K::seconds, true); }

    std::vector<long long> fireTimes() const
    {
        std::vector<long long> times;
        for (const TimerFire& fire : shell.runLoop.fires()) {
            times.push_back(ms(fire.at));
        }
        return times;
    }

    std::vector<std::string> titlesSince(std::size_t first) const
    {
        std::vector<std::string> texts;
        const auto& titles = shell.button().titles();
        for (std::size_t i = first; i < titles.size(); ++i) {
            texts.push_back(titles[i].text);
        }
        return texts;
    }
};

struct ScheduleCase {
    const char* name;
    double startSecond;
    double lateness;
    double firstFireSecond;
    std::vector<double> fireSeconds;
};

class TickScheduleTest : public TickTimerTest, public ::testing::WithParamInterface<ScheduleCase> { };

TEST_P(TickScheduleTest, TicksLandJustAfterEachWholeSecondOnAFixedSchedule)
{
    const ScheduleCase& c = GetParam();
    platform.clock.set(at(12, 0, c.startSecond));
    shell.runLoop.lateness = c.lateness;
    launch();

    const shell::Timer& timer = *delegate.timer();
    EXPECT_EQ(ms(timer.fireDate()), ms(at(12, 0, c.firstFireSecond)));
    EXPECT_EQ(timer.interval(), 1.0);
    EXPECT_TRUE(timer.repeats());
    ASSERT_EQ(shell.runLoop.added().size(), 1U);

    shell.runLoop.advanceTo(at(12, 0, 3.5));

    std::vector<long long> expected;
    for (const double second : c.fireSeconds) {
        expected.push_back(ms(at(12, 0, second)));
    }
    EXPECT_EQ(fireTimes(), expected);
    EXPECT_EQ(ms(timer.fireDate()), ms(at(12, 0, 4.005)));
    std::vector<std::string> titles{"11月19日周三 12:00:00"};
    for (const double second : c.fireSeconds) {
        titles.push_back("11月19日周三 12:00:0" + std::to_string(static_cast<int>(second)));
    }
    EXPECT_EQ(titlesSince(0), titles);
}

INSTANTIATE_TEST_SUITE_P(Starts, TickScheduleTest,
    ::testing::Values(ScheduleCase{"MidSecond", 0.3, 0.0, 1.005, {1.005, 2.005, 3.005}},
        ScheduleCase{"OnAWholeSecond", 0.0, 0.0, 0.005, {0.005, 1.005, 2.005, 3.005}},
        ScheduleCase{"LateFiresKeepTheSchedule", 0.3, 0.045, 1.005, {1.05, 2.05, 3.05}}),
    [](const ::testing::TestParamInfo<ScheduleCase>& param) { return std::string(param.param.name); });

TEST_F(TickTimerTest, WithSecondsHiddenTheTitleIsStillSetEverySecond)
{
    platform.store.setBool(K::seconds, false);
    platform.clock.set(at(12, 0, 58.3));
    launch();
    shell.runLoop.advanceTo(at(12, 1, 1.5));

    EXPECT_EQ(fireTimes(), (std::vector<long long>{ms(at(12, 0, 59.005)), ms(at(12, 1, 0.005)), ms(at(12, 1, 1.005))}));
    EXPECT_EQ(titlesSince(0),
        (std::vector<std::string>{
            "11月19日周三 12:00", "11月19日周三 12:00", "11月19日周三 12:01", "11月19日周三 12:01"}));
}

struct MinuteTurnCase {
    const char* name;
    const char* zone;
    const char* customFormat; // none: the assembled pattern, seconds hidden
    platform::Instant start;
    std::vector<std::string> titles;
    // The panel icon's hands: at launch and when the shown minute turns.
    std::vector<app::TimeOfDay> glances;
};

// 1880-01-01T00:00:00.3Z: New York kept local mean time then, 4:56:02
// behind, so its minutes turned at 2 s past UTC's.
constexpr double kLocalMeanTimeEra = -2'840'140'799.7;

TEST_F(TickTimerTest, TitlesAndGlancesTurnWithTheShownMinuteWhateverTheZoneAndPattern)
{
    const std::vector<MinuteTurnCase> cases{
        {"half an hour off UTC", "Asia/Kolkata", nullptr, at(12, 0, 58.3),
            {"11月19日周三 17:30", "11月19日周三 17:30", "11月19日周三 17:31", "11月19日周三 17:31"},
            {{17, 30}, {17, 31}}},
        {"minutes turning 2 s after UTC's", "America/New_York", nullptr,
            platform::Instant::fromSecondsSinceEpoch(kLocalMeanTimeEra),
            {"12月31日周三 19:03", "12月31日周三 19:03", "12月31日周三 19:04", "12月31日周三 19:04"},
            {{19, 3}, {19, 4}}},
        {"a custom pattern with seconds", "UTC", "HH:mm:ss", at(12, 0, 58.3),
            {"12:00:58", "12:00:59", "12:01:00", "12:01:01"}, {{12, 0}, {12, 1}}},
        {"a custom pattern without", "UTC", "HH:mm 'ss'", at(12, 0, 58.3),
            {"12:00 ss", "12:00 ss", "12:01 ss", "12:01 ss"}, {{12, 0}, {12, 1}}},
    };
    for (const MinuteTurnCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeShell caseShell{platform.clock};
        platform.store.setBool(K::seconds, false);
        platform.store.setString(K::tz, c.zone);
        platform.store.setBool(K::useCustom, c.customFormat != nullptr);
        platform.store.setString(K::custom, c.customFormat != nullptr ? c.customFormat : "");
        platform.mainQueue.drain();
        platform.clock.set(c.start);
        app::AppDelegate clock{{platform.store, platform.environment, platform.clock, platform.mainQueue,
            caseShell.services(), updates, nullptr}};
        clock.applicationDidFinishLaunching();
        caseShell.runLoop.advanceTo(c.start.advanced(3.0));

        std::vector<std::string> titles;
        for (const TitleSet& title : caseShell.button().titles()) {
            titles.push_back(title.text);
        }
        EXPECT_EQ(titles, c.titles);
        // Every case starts two ticks before the minute turns: the glance
        // turns at the third title, not at UTC's minute.
        std::vector<long long> glanceTimes;
        std::vector<app::TimeOfDay> glances;
        for (const GlanceSet& glance : caseShell.button().glances()) {
            glanceTimes.push_back(ms(glance.at));
            glances.push_back(app::TimeOfDay{glance.glance.hour, glance.glance.minute});
        }
        const auto& titleSets = caseShell.button().titles();
        ASSERT_EQ(titleSets.size(), 4U);
        EXPECT_EQ(glanceTimes, (std::vector<long long>{ms(titleSets[0].at), ms(titleSets[2].at)}));
        EXPECT_EQ(glances, c.glances);
    }
}

TEST_F(TickTimerTest, AClockSetBackWithinTheMinuteShowsTheEarlierMinuteAtOnce)
{
    platform.store.setBool(K::seconds, false);
    platform.clock.set(at(12, 1, 0.3));
    launch();
    platform.clock.set(at(12, 0, 59.5));
    shell.systemEvents.clockChanged.notify();
    EXPECT_EQ(shell.button().title(), "11月19日周三 12:00");
}

struct RealignCase {
    const char* name;
    platform::Signal<> shell::SystemEvents::*event;
};

TEST_F(TickTimerTest, WakeAndClockChangesRefreshAtOnceAndRealignTheTimer)
{
    const std::vector<RealignCase> cases{
        {"wake from sleep", &shell::SystemEvents::didWake},
        {"system clock set", &shell::SystemEvents::clockChanged},
    };
    launch();
    platform.mainQueue.drain();
    for (const RealignCase& c : cases) {
        SCOPED_TRACE(c.name);
        shell.runLoop.advance(2.0);
        const std::shared_ptr<shell::Timer> before = delegate.timer();
        const std::size_t titlesBefore = shell.button().titles().size();
        const std::size_t firesBefore = shell.runLoop.fires().size();

        const platform::Instant woke = platform.clock.now().advanced(600.4);
        platform.clock.set(woke);
        (shell.systemEvents.*c.event).notify();

        ASSERT_EQ(shell.button().titles().size(), titlesBefore + 1);
        EXPECT_EQ(shell.button().titles().back().at, woke);
        EXPECT_FALSE(before->isValid());
        ASSERT_NE(delegate.timer(), before);
        EXPECT_EQ(ms(delegate.timer()->fireDate()), ms(woke) - ms(woke) % 1000 + 1005);

        shell.runLoop.advance(1.0);
        ASSERT_EQ(shell.runLoop.fires().size(), firesBefore + 1);
        EXPECT_EQ(shell.runLoop.fires().back().timer, delegate.timer().get());
        EXPECT_EQ(ms(shell.runLoop.fires().back().at), ms(woke) - ms(woke) % 1000 + 1005);
    }
    EXPECT_EQ(platform.mainQueue.pending(), 0U);
    EXPECT_EQ(platform.environment.resets(), 0);
}

TEST_F(TickTimerTest, EveryPreferenceWriteLeadsToItsOwnRebuildInOrder)
{
    launch();
    platform.mainQueue.drain();
    const std::size_t titlesBefore = shell.button().titles().size();

    platform.store.setString(K::label, "甲");
    platform.store.setString(K::label, "乙");
    platform.store.setBool(K::seconds, false);

    EXPECT_EQ(platform.mainQueue.pending(), 3U);
    EXPECT_EQ(shell.button().titles().size(), titlesBefore);
    EXPECT_EQ(platform.environment.resets(), 0);

    platform.mainQueue.runPending();
    EXPECT_EQ(platform.environment.resets(), 3);
    EXPECT_EQ(titlesSince(titlesBefore),
        (std::vector<std::string>{"乙 11月19日周三 12:00", "乙 11月19日周三 12:00", "乙 11月19日周三 12:00"}));
}

// A system zone that is read once and kept until reset, as the platform
// keeps it.
class CachingEnvironment final : public platform::SystemEnvironment {
public:
    platform::TimeZone systemTimeZone() override
    {
        if (!cached_) {
            cached_ = platform::TimeZone::named(hostZone);
        }
        return *cached_;
    }
    void resetSystemTimeZone() override { cached_.reset(); }
    platform::Locale currentLocale() override { return platform::Locale::withIdentifier("zh_CN"); }

    std::string hostZone = "UTC";

private:
    std::optional<platform::TimeZone> cached_;
};

TEST_F(TickTimerTest, AZoneChangeIsReadAfreshBeforeTheRebuild)
{
    CachingEnvironment environment;
    app::AppDelegate caching{
        {platform.store, environment, platform.clock, platform.mainQueue, shell.services(), updates, nullptr}};
    caching.applicationDidFinishLaunching();

    environment.hostZone = "Asia/Tokyo";
    shell.systemEvents.timeZoneChanged.notify();
    platform.mainQueue.drain();

    EXPECT_EQ(shell.button().title(), "11月19日周三 21:00:00");
}

TEST_F(TickTimerTest, ASettingsChangeKeepsTheSameTimerOnItsSchedule)
{
    launch();
    shell.runLoop.advance(1.0);
    const std::shared_ptr<shell::Timer> timer = delegate.timer();

    platform.store.setString(K::label, "东京");
    platform.mainQueue.drain();
    shell.runLoop.advance(1.0);

    EXPECT_EQ(delegate.timer(), timer);
    EXPECT_EQ(shell.runLoop.added().size(), 1U);
    EXPECT_EQ(fireTimes(), (std::vector<long long>{ms(at(12, 0, 1.005)), ms(at(12, 0, 2.005))}));
    EXPECT_EQ(shell.button().title(), "东京 11月19日周三 12:00:02");
}

} // namespace
} // namespace horalet::testing
