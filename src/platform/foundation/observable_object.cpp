#include "platform/foundation/observable_object.h"

namespace horalet::platform {

ObservableObject::Subscription ObservableObject::onWillChange(std::function<void()> observer)
{
    auto entry = std::make_shared<Observer>(Observer{std::move(observer)});
    const std::lock_guard lock(mutex_);
    observers_.push_back(entry);
    return entry;
}

void ObservableObject::objectWillChange()
{
    std::vector<std::shared_ptr<Observer>> live;
    {
        const std::lock_guard lock(mutex_);
        std::erase_if(observers_, [](const std::weak_ptr<Observer>& observer) { return observer.expired(); });
        for (const auto& observer : observers_) {
            if (auto held = observer.lock()) {
                live.push_back(std::move(held));
            }
        }
    }
    for (const auto& observer : live) {
        observer->call();
    }
}

} // namespace horalet::platform
