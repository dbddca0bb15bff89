#pragma once

#include <functional>
#include <utility>

namespace horalet::platform::ui {

// Two-way access to a value that lives elsewhere: a control reads it when
// drawn and writes it when the user changes it.
template <typename T> class Binding {
public:
    Binding(std::function<T()> get, std::function<void(T)> set)
        : get_(std::move(get))
        , set_(std::move(set))
    {
    }

    T get() const { return get_(); }
    void set(T value) const { set_(std::move(value)); }

private:
    std::function<T()> get_;
    std::function<void(T)> set_;
};

} // namespace horalet::platform::ui
