#pragma once

#include <memory>
#include <utility>

#include "platform/ui/binding.h"
#include "platform/ui/view.h"

namespace horalet::platform::ui {

// A value that belongs to one view: it survives every redraw, lives as long
// as the view (and the descriptions bound to it), and each assignment tells
// the view to redraw. It is never persisted.
template <typename T> class State {
public:
    State(const View& owner, T initial)
        : storage_(std::make_shared<Storage>(Storage{std::move(initial), owner.changes()}))
    {
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
        T value;
        std::weak_ptr<ObservableObject> owner;
    };

    static void assign(Storage& storage, T value)
    {
        if (const auto owner = storage.owner.lock()) {
            owner->objectWillChange();
        }
        storage.value = std::move(value);
    }

    std::shared_ptr<Storage> storage_;
};

} // namespace horalet::platform::ui
