#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace horalet::platform {

// Ends its observation when released.
using ObservationToken = std::shared_ptr<void>;

// A property another object can observe by key-value observation: the
// handler runs once at registration (the initial value) and once after each
// change, on the thread that registers or changes it, until its token is
// released. Handlers read the property again themselves.
template <typename T> class ObservedProperty {
public:
    explicit ObservedProperty(T initial)
        : value_(std::move(initial))
    {
    }

    T get() const
    {
        const std::lock_guard lock(mutex_);
        return value_;
    }

    void set(T value)
    {
        {
            const std::lock_guard lock(mutex_);
            value_ = std::move(value);
        }
        notify();
    }

    [[nodiscard]] ObservationToken observe(std::function<void()> handler)
    {
        auto entry = std::make_shared<std::function<void()>>(std::move(handler));
        {
            const std::lock_guard lock(mutex_);
            handlers_.push_back(entry);
        }
        (*entry)();
        return entry;
    }

private:
    void notify()
    {
        std::vector<std::shared_ptr<std::function<void()>>> live;
        {
            const std::lock_guard lock(mutex_);
            std::erase_if(handlers_, [](const auto& handler) { return handler.expired(); });
            for (const auto& handler : handlers_) {
                if (auto held = handler.lock()) {
                    live.push_back(std::move(held));
                }
            }
        }
        for (const auto& handler : live) {
            (*handler)();
        }
    }

    mutable std::mutex mutex_;
    T value_;
    std::vector<std::weak_ptr<std::function<void()>>> handlers_;
};

} // namespace horalet::platform
