#pragma once

#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "clock/clock_format.h"
#include "platform/foundation/clock.h"
#include "platform/foundation/main_queue.h"
#include "platform/foundation/preferences_store.h"
#include "platform/foundation/system_environment.h"

namespace horalet::testing {

// A clock that stands still until the test moves it.
class FakeClock final : public platform::Clock {
public:
    platform::Instant now() const override { return now_; }
    void set(platform::Instant instant) { now_ = instant; }
    void advance(double seconds) { now_ = now_.advanced(seconds); }

private:
    platform::Instant now_ = platform::Instant::fromSecondsSinceEpoch(1'763'561'109.0);
};

// A main queue the test drains by hand. Blocks may be submitted from any
// thread; they run only when the test says so, on the test's thread.
class ManualMainQueue final : public platform::MainQueue {
public:
    void async(Block block) override;
    // Runs the blocks queued now (not those they queue); answers how many ran.
    std::size_t runPending();
    // Runs blocks until none is left.
    std::size_t drain();
    std::size_t pending() const;

private:
    mutable std::mutex mutex_;
    std::deque<Block> blocks_;
};

// A system zone and locale the test chooses; counts zone resets.
class FakeEnvironment final : public platform::SystemEnvironment {
public:
    platform::TimeZone systemTimeZone() override;
    void resetSystemTimeZone() override;
    platform::Locale currentLocale() override;

    void setSystemZone(const std::string& identifier) { zoneId_ = identifier; }
    void setLocale(const std::string& identifier) { localeId_ = identifier; }
    int resets() const { return resets_; }

private:
    std::string zoneId_ = "Asia/Shanghai";
    std::string localeId_ = "zh_CN";
    int resets_ = 0;
};

// The foundation's parts as fakes, to hand to what a test builds: a fixed
// clock, an in-memory store, a manual main queue, a chosen zone and locale.
struct FakePlatform {
    FakeClock clock;
    platform::PreferencesStore store;
    ManualMainQueue mainQueue;
    FakeEnvironment environment;

    ClockSources sources() { return ClockSources{store, environment}; }
};

} // namespace horalet::testing
