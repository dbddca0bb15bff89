#pragma once

#include <functional>

namespace horalet::platform {

// Asynchronous submission to the main thread: a block submitted from any
// thread runs later on the main thread, one at a time, in submission order.
class MainQueue {
public:
    using Block = std::function<void()>;

    virtual ~MainQueue() = default;
    virtual void async(Block block) = 0;
};

} // namespace horalet::platform
