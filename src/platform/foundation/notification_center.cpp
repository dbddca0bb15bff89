#include "platform/foundation/notification_center.h"

namespace horalet::platform {

void NotificationCenter::addObserver(std::string_view name, Observer observer)
{
    const std::lock_guard lock(mutex_);
    entries_.push_back(Entry{std::string(name), std::move(observer)});
}

void NotificationCenter::post(std::string_view name)
{
    std::vector<Observer> matching;
    {
        const std::lock_guard lock(mutex_);
        for (const Entry& entry : entries_) {
            if (entry.name == name) {
                matching.push_back(entry.observer);
            }
        }
    }
    for (const Observer& observer : matching) {
        observer();
    }
}

} // namespace horalet::platform
