#include "platform/shell/menu.h"

namespace horalet::platform::shell {

MenuItem::MenuItem(std::string title, Action action, std::string keyEquivalent)
    : title_(std::move(title))
    , action_(std::move(action))
    , keyEquivalent_(std::move(keyEquivalent))
{
}

std::shared_ptr<MenuItem> MenuItem::separatorItem()
{
    auto item = std::make_shared<MenuItem>("", nullptr, "");
    item->separator_ = true;
    item->enabled_ = false;
    return item;
}

void MenuItem::setTitle(std::string title)
{
    title_ = std::move(title);
    changed();
}

void MenuItem::setEnabled(bool enabled)
{
    enabled_ = enabled;
    changed();
}

void MenuItem::setHidden(bool hidden)
{
    hidden_ = hidden;
    changed();
}

void MenuItem::setState(ItemState state)
{
    state_ = state;
    changed();
}

void MenuItem::perform() const
{
    if (!separator_ && action_) {
        action_();
    }
}

void MenuItem::changed()
{
    if (menu_ != nullptr) {
        menu_->itemChanged(*this);
    }
}

void Menu::addItem(std::shared_ptr<MenuItem> item)
{
    item->menu_ = this;
    items_.push_back(std::move(item));
}

void Menu::willOpen()
{
    if (delegate_ != nullptr) {
        delegate_->menuWillOpen(*this);
    }
}

void Menu::itemChanged(const MenuItem& item)
{
    if (listener_) {
        listener_(item);
    }
}

} // namespace horalet::platform::shell
