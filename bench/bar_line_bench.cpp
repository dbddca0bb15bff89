#include <benchmark/benchmark.h>

#include "app/delegate/bar_lines.h"
#include "clock/clock_format.h"
#include "clock/settings_keys.h"
#include "platform/qt/shell/bar/bar_encoding.h"
#include "support/fake_platform.h"

namespace horalet {
namespace {

using platform::shell::BarProtocol;

constexpr double kAfternoon = 1'763'561'109.0;

// What a bar's line costs beyond the clock text, every second: the details
// (short text; tooltip from the full dates) and the encoding.
void BM_BarLinePerTick(benchmark::State& state)
{
    testing::FakePlatform fake;
    registerDefaults(fake.store);
    fake.store.setString(K::locale, "zh_CN");
    fake.store.setString(K::tz, "Asia/Tokyo");
    fake.store.setString(K::label, "东京");
    const auto protocol = static_cast<BarProtocol>(state.range(0));
    app::BarLines lines(fake.sources());
    const std::string title = "东京 12月11日周五 11:22:28";
    double second = kAfternoon;
    for (auto _ : state) {
        const platform::shell::BarLine line = platform::qt::needsDetails(protocol)
            ? lines.line(title, platform::Instant::fromSecondsSinceEpoch(second), platform::qt::needsTooltip(protocol))
            : platform::shell::BarLine{title, "", "", true};
        benchmark::DoNotOptimize(platform::qt::encodeBarLine(protocol, line));
        second += 1.0;
    }
}
BENCHMARK(BM_BarLinePerTick)
    ->ArgName("protocol")
    ->Arg(static_cast<int>(BarProtocol::plain))
    ->Arg(static_cast<int>(BarProtocol::waybar))
    ->Arg(static_cast<int>(BarProtocol::i3bar));

} // namespace
} // namespace horalet
