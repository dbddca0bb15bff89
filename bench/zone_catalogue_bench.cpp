#include <benchmark/benchmark.h>

#include <malloc.h>

#include "clock/time_zone_list.h"
#include "clock/zone_choice.h"
#include "support/fake_platform.h"

namespace horalet {
namespace {

constexpr double kNovember = 1'763'561'109.0;

std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// A catalogue build once this process's ICU data is warm; the first build
// of a process is measured by horalet_bench_first_use. The heap
// counter is what one catalogue keeps.
void BM_TZListBuild(benchmark::State& state)
{
    testing::FakePlatform fake;
    std::size_t kept = 0;
    std::size_t zones = 0;
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        std::vector<TZItem> catalogue = TZList::build(platform::Instant{kNovember});
        kept = heapInUse() - before;
        zones = catalogue.size();
        benchmark::DoNotOptimize(catalogue);
    }
    state.counters["zones"] = static_cast<double>(zones);
    state.counters["heapKept"] = benchmark::Counter(
        static_cast<double>(kept), benchmark::Counter::kDefaults, benchmark::Counter::OneK::kIs1024);
}
BENCHMARK(BM_TZListBuild)->Unit(benchmark::kMillisecond);

const char* const kQueries[] = {"", "a", "asia/", "TOKYO", "纽约", "gmt+5:45", "xyzzy"};

// One keystroke in the search field: the whole catalogue searched for the
// query, with a chosen zone to keep in view.
template <typename Search> void searchPerKeystroke(benchmark::State& state, Search search)
{
    testing::FakePlatform fake;
    const std::string query = kQueries[state.range(0)];
    state.SetLabel("\"" + query + "\"");
    search("warm", "");
    std::size_t listed = 0;
    for (auto _ : state) {
        const auto zones = search(query, "Asia/Tokyo");
        listed = zones.size();
        benchmark::DoNotOptimize(zones.data());
    }
    state.counters["listed"] = static_cast<double>(listed);
}

// The rows as references into the catalogue.
void BM_FilteredZoneRefs(benchmark::State& state)
{
    searchPerKeystroke(
        state, [](std::string_view query, std::string_view tz) { return ZoneChoice::filteredZoneRefs(query, tz); });
}
BENCHMARK(BM_FilteredZoneRefs)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

// The rows copied out as items, as the value API gives them.
void BM_FilteredZones(benchmark::State& state)
{
    searchPerKeystroke(state, ZoneChoice::filteredZones);
}
BENCHMARK(BM_FilteredZones)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace horalet
