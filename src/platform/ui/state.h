#pragma once

#include <memory>
#include <utility>

#include "platform/foundation/signal.h"
#include "platform/ui/binding.h"
#include "platform/ui/view.h"

namespace horalet::platform::ui {

// A value that belongs to one view: it survives every redraw, and each
// assignment tells the view to redraw while the view lives. It is never
// persisted. Descriptions bound to it share it and may outlive the view.
template <typename T> class State {
public:
    State(const View& owner, T initial)
        : storage_(std::make_shared<Storage>(std::move(initial)))
    {
        owner.forward(storage_->willChange);
    }

    const T& get() const { return storage_->value; }

    void set(T value) const { assign(*storage_, std::move(value)); }

    Binding<T> binding() const
    {
        return Binding<T>([storage = storage_] { return storage->value; },
            [storage = storage_](T value) { assign(*storage, std::move(value)); });
    }
    operator Binding<T>() const { return binding(); }

private:
    struct Storage {
        explicit Storage(T initial)
            : value(std::move(initial))
        {
        }
        T value;
        Signal<> willChange;
    };

    static void assign(Storage& storage, T value)
    {
        storage.willChange.notify();
        storage.value = std::move(value);
    }

    std::shared_ptr<Storage> storage_;
};

} // namespace horalet::platform::ui
