#include "clock_fixture.h"

#include <cmath>

namespace horalet::testing {

namespace {
constexpr double kNovember19th2025 = 1'763'510'400.0;
}

ClockFixture::ClockFixture()
{
    platform.environment.setSystemZone("UTC");
    platform.clock.set(at(12, 0, 0.3));
}

platform::Instant ClockFixture::at(int hours, int minutes, double seconds)
{
    return platform::Instant::fromSecondsSinceEpoch(kNovember19th2025 + hours * 3600.0 + minutes * 60.0 + seconds);
}

long long ClockFixture::ms(platform::Instant instant)
{
    return std::llround(instant.millisecondsSinceEpoch());
}

} // namespace horalet::testing
