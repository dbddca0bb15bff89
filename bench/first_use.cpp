// The first use of each part in a fresh process, before any ICU data is
// loaded or cached, which the repeated runs of horalet_bench cannot show:
// the first formatter (with the first text), the catalogue's first build
// and the first search, each with the memory it costs.
#include <chrono>
#include <cstdio>
#include <malloc.h>
#include <sys/resource.h>
#include <time.h>

#include "clock/clock_format.h"
#include "clock/settings_keys.h"
#include "clock/time_zone_list.h"
#include "clock/zone_choice.h"
#include "support/fake_platform.h"

namespace {

long peakResidentKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double heapInUseKiB()
{
    return static_cast<double>(mallinfo2().uordblks) / 1024.0;
}

double cpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Runs `step` once and prints its wall and CPU time (the CPU time stays
// honest on a busy machine), the heap it keeps and the growth of the peak
// resident set.
template <typename Step> void measure(const char* what, Step step)
{
    const long peakBefore = peakResidentKiB();
    const double heapBefore = heapInUseKiB();
    const double cpuBefore = cpuMilliseconds();
    const auto start = std::chrono::steady_clock::now();
    const std::size_t count = step();
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-40s %8.3f ms wall %8.3f ms CPU  heap kept %5.0f KiB  peak RSS +%5ld KiB  (%zu)\n", what, ms,
        cpuMilliseconds() - cpuBefore, heapInUseKiB() - heapBefore, peakResidentKiB() - peakBefore, count);
}

} // namespace

int main()
{
    using namespace horalet;
    testing::FakePlatform fake;
    registerDefaults(fake.store);
    const platform::Instant now = fake.clock.now();
    const ClockSources sources = fake.sources();

    measure("first ClockFormat::make (zh_CN)", [&] { return ClockFormat::make(sources).dateFormat()->size(); });
    measure("first ClockFormat::text (zh_CN)",
        [&] { return ClockFormat::text(sources, now, ClockFormat::make(sources)).size(); });
    fake.store.setString(K::locale, "en_US");
    measure("first make + text in a second locale",
        [&] { return ClockFormat::text(sources, now, ClockFormat::make(sources)).size(); });
    measure("first TZList::all (zones)", [] { return TZList::all().size(); });
    measure("first search, builds the index (found)", [] { return ZoneChoice::filteredZoneRefs("纽约", "").size(); });
    measure("second search (found)", [] { return ZoneChoice::filteredZoneRefs("tokyo", "").size(); });
    return 0;
}
