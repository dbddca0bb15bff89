#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace horalet::platform {

// An object whose observers hear one will-change notification before every
// assignment of one of its published properties, equal values included, and
// redraw after it. Observers stay while their subscription is held.
class ObservableObject {
public:
    using Subscription = std::shared_ptr<void>;

    ObservableObject() = default;
    ObservableObject(const ObservableObject&) = delete;
    ObservableObject& operator=(const ObservableObject&) = delete;
    virtual ~ObservableObject() = default;

    [[nodiscard]] Subscription onWillChange(std::function<void()> observer);

    // Fires the will-change notification; published properties call it.
    void objectWillChange();

private:
    struct Observer {
        std::function<void()> call;
    };

    std::mutex mutex_;
    std::vector<std::weak_ptr<Observer>> observers_;
};

// A property of an observable object: every assignment first tells the
// owner's observers, then stores the value.
template <typename T> class Published {
public:
    Published(ObservableObject& owner, T initial)
        : owner_(owner)
        , value_(std::move(initial))
    {
    }
    Published(const Published&) = delete;

    Published& operator=(T value)
    {
        owner_.objectWillChange();
        value_ = std::move(value);
        return *this;
    }
    Published& operator=(const Published&) = delete;

    const T& get() const { return value_; }
    operator const T&() const { return value_; }
    const T* operator->() const { return &value_; }

private:
    ObservableObject& owner_;
    T value_;
};

} // namespace horalet::platform
