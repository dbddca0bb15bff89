#pragma once

#include <functional>
#include <utility>

#include "platform/foundation/signal.h"

namespace horalet::platform {

// A value another object follows: observe() calls the handler once at once,
// for the value as it is, and again after every change until the returned
// connection goes. Handlers read the value themselves.
template <typename T> class ObservedValue {
public:
    explicit ObservedValue(T initial)
        : value_(std::move(initial))
    {
    }

    const T& get() const { return value_; }

    void set(T value)
    {
        value_ = std::move(value);
        changed_.notify();
    }

    Connection observe(std::function<void()> handler)
    {
        Connection connection = changed_.connect(handler);
        handler();
        return connection;
    }

private:
    T value_;
    Signal<> changed_;
};

} // namespace horalet::platform
