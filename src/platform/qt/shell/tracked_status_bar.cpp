#include "platform/qt/shell/tracked_status_bar.h"

namespace horalet::platform::qt {

std::shared_ptr<shell::StatusItem> TrackedStatusBar::statusItemWithLength(double length)
{
    auto item = inner_.statusItemWithLength(length);
    items_.push_back(item);
    return item;
}

bool TrackedStatusBar::performMenuAction(std::string_view action) const
{
    for (const auto& weak : items_) {
        const auto item = weak.lock();
        const auto menu = item ? item->menu() : nullptr;
        if (!menu) {
            continue;
        }
        for (const auto& entry : menu->items()) {
            if (entry->action() == action) {
                entry->perform();
                return true;
            }
        }
    }
    return false;
}

} // namespace horalet::platform::qt
