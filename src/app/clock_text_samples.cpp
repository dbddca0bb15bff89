#include "app/clock_text_samples.h"

#include "clock/clock_format.h"

namespace horalet::app {

namespace {

constexpr double kDay = 24 * 60 * 60;
// Monday 2025-09-22 00:00:00 UTC: a week in the month with the longest name
// in many languages.
constexpr double kMondayInSeptember = 1'758'499'200;
// 2025-01-28 00:00:00 UTC, then roughly a month apart.
constexpr double kLateJanuary = 1'738'022'400;
// Late in the minute, so every field shows wide digits.
constexpr double kLateInTheHour = 58 * 60 + 58;

} // namespace

std::vector<std::string> clockTextSamples(const ClockSources& sources)
{
    const platform::DateFormatter formatter = ClockFormat::make(sources);
    std::vector<double> days;
    for (int day = 0; day < 7; ++day) {
        days.push_back(kMondayInSeptember + day * kDay);
    }
    for (int month = 0; month < 12; ++month) {
        days.push_back(kLateJanuary + month * 30.5 * kDay);
    }
    std::vector<std::string> samples;
    for (const double day : days) {
        for (int hour = 0; hour < 24; hour += 3) {
            const auto instant = platform::Instant::fromSecondsSinceEpoch(day + hour * 3600.0 + kLateInTheHour);
            samples.push_back(ClockFormat::text(sources, instant, formatter));
        }
    }
    return samples;
}

} // namespace horalet::app
