#include "support/fake_platform.h"

namespace horalet::testing {

void ManualMainQueue::async(Block block)
{
    const std::lock_guard lock(mutex_);
    blocks_.push_back(std::move(block));
}

std::size_t ManualMainQueue::runPending()
{
    std::deque<Block> now;
    {
        const std::lock_guard lock(mutex_);
        now.swap(blocks_);
    }
    const std::size_t count = now.size();
    for (Block& block : now) {
        block();
    }
    return count;
}

std::size_t ManualMainQueue::drain()
{
    std::size_t total = 0;
    while (const std::size_t ran = runPending()) {
        total += ran;
    }
    return total;
}

std::size_t ManualMainQueue::pending() const
{
    const std::lock_guard lock(mutex_);
    return blocks_.size();
}

platform::TimeZone FakeEnvironment::systemTimeZone()
{
    return *platform::TimeZone::named(zoneId_);
}

void FakeEnvironment::resetSystemTimeZone()
{
    ++resets_;
}

platform::Locale FakeEnvironment::currentLocale()
{
    return platform::Locale::withIdentifier(localeId_);
}

} // namespace horalet::testing
