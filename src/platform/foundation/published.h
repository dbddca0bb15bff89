#pragma once

#include <utility>

#include "platform/foundation/signal.h"

namespace horalet::platform {

// A property of a model whose observers redraw from it: every assignment,
// equal values included, first tells the owner's will-change signal, then
// stores the value. Observers read the new value after the notification,
// not inside it.
template <typename T> class Published {
public:
    Published(const Signal<>& willChange, T initial)
        : willChange_(willChange)
        , value_(std::move(initial))
    {
    }
    Published(const Published&) = delete;
    Published& operator=(const Published&) = delete;

    Published& operator=(T value)
    {
        willChange_.notify();
        value_ = std::move(value);
        return *this;
    }

    const T& get() const { return value_; }
    operator const T&() const { return value_; }
    const T* operator->() const { return &value_; }

private:
    const Signal<>& willChange_;
    T value_;
};

} // namespace horalet::platform
