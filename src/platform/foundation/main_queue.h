#pragma once

#include <functional>
#include <memory>
#include <utility>

namespace horalet::platform {

// Asynchronous submission to the main thread: a block submitted from any
// thread runs later on the main thread, one at a time, in submission order.
class MainQueue {
public:
    using Block = std::function<void()>;

    virtual ~MainQueue() = default;
    virtual void async(Block block) = 0;
};

// One owner's blocks on the main queue, like a Qt context object: blocks
// still waiting when it is destroyed do not run. Submitting is safe from any
// thread; destroy it on the main thread.
class QueueContext {
public:
    explicit QueueContext(MainQueue& queue)
        : queue_(queue)
    {
    }
    QueueContext(const QueueContext&) = delete;
    QueueContext& operator=(const QueueContext&) = delete;
    ~QueueContext() { *live_ = false; }

    void async(MainQueue::Block block)
    {
        queue_.async([live = live_, block = std::move(block)] {
            if (*live) {
                block();
            }
        });
    }

private:
    MainQueue& queue_;
    std::shared_ptr<bool> live_ = std::make_shared<bool>(true);
};

} // namespace horalet::platform
