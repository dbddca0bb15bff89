#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/delegate/status_glance.h"
#include "clock/settings_keys.h"
#include "clock_fixture.h"

namespace horalet::testing {
namespace {

using app::TimeOfDay;

struct TimeOfDayCase {
    const char* zone;
    double secondsSinceEpoch;
    TimeOfDay expected;
};

TEST(TimeOfDay, IsTheWallClockOfTheZoneAtTheInstant)
{
    // 2025-11-19T12:00:59Z, 2025-07-01T12:00:00Z and the last minute before the epoch.
    constexpr double kNovember = 1'763'553'659.0;
    constexpr double kJuly = 1'751'371'200.0;
    const std::vector<TimeOfDayCase> cases{
        {"UTC", kNovember, {12, 0}},
        {"Asia/Kolkata", kNovember, {17, 30}},
        {"Asia/Kathmandu", kNovember, {17, 45}},
        {"America/New_York", kNovember, {7, 0}},
        {"America/New_York", kJuly, {8, 0}},
        {"Pacific/Chatham", kNovember, {1, 45}},
        {"America/St_Johns", kJuly, {9, 30}},
        {"UTC", -30.0, {23, 59}},
    };
    for (const TimeOfDayCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.zone << " at " << c.secondsSinceEpoch);
        const auto zone = platform::TimeZone::named(c.zone);
        ASSERT_TRUE(zone.has_value());
        const TimeOfDay time = app::timeOfDay(platform::Instant::fromSecondsSinceEpoch(c.secondsSinceEpoch), *zone);
        EXPECT_EQ(time.hour, c.expected.hour);
        EXPECT_EQ(time.minute, c.expected.minute);
    }
}

class StatusGlanceTest : public ClockFixture {
protected:
    StatusGlanceTest() { platform.store.setBool(K::seconds, true); }
};

TEST_F(StatusGlanceTest, TheGlanceIsGivenOnceAMinuteWithTheDatesToTheMinute)
{
    launch();
    shell.runLoop.advanceTo(at(12, 2, 30.0));

    EXPECT_EQ(shell.button().titles().size(), 150U) << "the title still follows every tick";
    const auto& glances = shell.button().glances();
    ASSERT_EQ(glances.size(), 3U);
    const std::vector<long long> times{ms(at(12, 0, 0.3)), ms(at(12, 1, 0.005)), ms(at(12, 2, 0.005))};
    for (std::size_t minute = 0; minute < glances.size(); ++minute) {
        EXPECT_EQ(ms(glances[minute].at), times[minute]);
        EXPECT_EQ(glances[minute].glance.hour, 12);
        EXPECT_EQ(glances[minute].glance.minute, static_cast<int>(minute));
    }
    EXPECT_EQ(glances.back().glance.toolTip, "2025年11月19日星期三 12:02");
}

TEST_F(StatusGlanceTest, AChosenZoneMovesTheHandsAtOnceAndTheTooltipAddsTheLocalTime)
{
    launch();
    shell.runLoop.advanceTo(at(12, 2, 30.0));
    platform.store.setString(K::tz, "Asia/Kolkata");
    platform.mainQueue.drain();

    const auto& glances = shell.button().glances();
    ASSERT_EQ(glances.size(), 4U);
    EXPECT_EQ(glances.back().glance.hour, 17);
    EXPECT_EQ(glances.back().glance.minute, 32);
    EXPECT_EQ(
        glances.back().glance.toolTip, "2025年11月19日星期三 17:32（GMT+5:30）\n本机：2025年11月19日星期三 12:02");

    shell.runLoop.advanceTo(at(12, 2, 59.0));
    EXPECT_EQ(glances.size(), 4U);
}

} // namespace
} // namespace horalet::testing
