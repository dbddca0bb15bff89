#include "app/terminal_clock.h"

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <thread>

#include "app/host_services.h"
#include "clock/clock_format.h"
#include "clock/settings_keys.h"

namespace horalet::app {

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

} // namespace

int runTerminalClock()
{
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    HostServices host;
    registerDefaults();
    const platform::DateFormatter formatter = ClockFormat::make();
    while (stopRequested == 0) {
        const platform::Instant now = platform::clock().now();
        std::printf("%s\n", ClockFormat::text(now, formatter).c_str());
        std::fflush(stdout);
        const double next = std::ceil(now.secondsSinceEpoch + 1e-9) + 0.005;
        std::this_thread::sleep_until(std::chrono::system_clock::time_point(
            std::chrono::duration_cast<std::chrono::system_clock::duration>(std::chrono::duration<double>(next))));
    }
    return 0;
}

} // namespace horalet::app
