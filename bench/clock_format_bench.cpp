#include <benchmark/benchmark.h>

#include "clock/clock_format.h"
#include "clock/settings_keys.h"
#include "support/fake_platform.h"

namespace horalet {
namespace {

constexpr double kAfternoon = 1'763'561'109.0;

const char* const kLocales[] = {"zh_CN", "en_US", "ja_JP"};

// The settings of one benchmark: a locale and either the defaults or the
// 12-hour clock without its marker, which adds the stripping.
struct Settings {
    testing::FakePlatform fake;

    explicit Settings(const benchmark::State& state)
    {
        registerDefaults(fake.store);
        fake.store.setString(K::locale, kLocales[state.range(0)]);
        fake.store.setString(K::tz, "America/New_York");
        if (state.range(1) != 0) {
            fake.store.setBool(K::use24, false);
            fake.store.setBool(K::ampm, false);
            fake.store.setBool(K::seconds, true);
        }
    }
};

void localeArguments(benchmark::internal::Benchmark* bench)
{
    bench->ArgNames({"locale", "stripped"});
    for (int locale = 0; locale < 3; ++locale) {
        for (int stripped = 0; stripped < 2; ++stripped) {
            bench->Args({locale, stripped});
        }
    }
}

// Building the menu-bar formatter after a settings change.
void BM_ClockFormatMake(benchmark::State& state)
{
    Settings settings(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ClockFormat::make(settings.fake.sources()));
    }
}
BENCHMARK(BM_ClockFormatMake)->Apply(localeArguments)->Unit(benchmark::kMicrosecond);

// The whole rebuild: a new formatter and the first text formatted with it,
// which is when ICU's formatter behind it is made.
void BM_ClockFormatMakeAndFirstText(benchmark::State& state)
{
    Settings settings(state);
    platform::Instant at{kAfternoon};
    for (auto _ : state) {
        const platform::DateFormatter formatter = ClockFormat::make(settings.fake.sources());
        benchmark::DoNotOptimize(ClockFormat::text(settings.fake.sources(), at, formatter));
    }
}
BENCHMARK(BM_ClockFormatMakeAndFirstText)->Apply(localeArguments)->Unit(benchmark::kMicrosecond);

// One tick: the clock text of the next second with the held formatter.
void BM_ClockFormatTextPerTick(benchmark::State& state)
{
    Settings settings(state);
    settings.fake.store.setString(K::label, "  东京 ");
    const platform::DateFormatter formatter = ClockFormat::make(settings.fake.sources());
    platform::Instant at{kAfternoon};
    for (auto _ : state) {
        benchmark::DoNotOptimize(ClockFormat::text(settings.fake.sources(), at, formatter));
        at = at.advanced(1.0);
    }
}
BENCHMARK(BM_ClockFormatTextPerTick)->Apply(localeArguments);

void BM_ClockFormatFullDate(benchmark::State& state)
{
    Settings settings(state);
    const platform::TimeZone zone = ClockFormat::timeZone(settings.fake.sources());
    for (auto _ : state) {
        benchmark::DoNotOptimize(ClockFormat::fullDate(settings.fake.sources(), platform::Instant{kAfternoon}, zone));
    }
}
BENCHMARK(BM_ClockFormatFullDate)->Args({0, 0})->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace horalet
