#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/shell/action_target.h"

namespace horalet::platform::shell {

class Menu;

enum class ItemState { off = 0, on = 1 };

// One entry of a menu. A chosen item sends its action to its target, or,
// with no target, along the responder chain to the application.
class MenuItem {
public:
    MenuItem(std::string title, std::string action, std::string keyEquivalent);
    static std::shared_ptr<MenuItem> separatorItem();

    const std::string& title() const { return title_; }
    const std::string& action() const { return action_; }
    // With the desktop's default modifier (Control here).
    const std::string& keyEquivalent() const { return keyEquivalent_; }
    ActionTarget* target() const { return target_; }
    bool isEnabled() const { return enabled_; }
    bool isHidden() const { return hidden_; }
    ItemState state() const { return state_; }
    bool isSeparator() const { return separator_; }

    void setTitle(std::string title);
    void setTarget(ActionTarget* target);
    void setEnabled(bool enabled);
    void setHidden(bool hidden);
    void setState(ItemState state);

    // What the shell calls when the user chooses the item.
    void perform();

private:
    friend class Menu;
    void changed();

    std::string title_;
    std::string action_;
    std::string keyEquivalent_;
    ActionTarget* target_ = nullptr;
    bool enabled_ = true;
    bool hidden_ = false;
    ItemState state_ = ItemState::off;
    bool separator_ = false;
    Menu* menu_ = nullptr;
};

class MenuDelegate {
public:
    virtual ~MenuDelegate() = default;
    virtual void menuWillOpen(Menu& menu) = 0;
};

// A menu: items in order and a delegate that hears of every opening. The
// shell that shows it calls willOpen() before each opening and listens for
// item changes to update what it shows.
class Menu {
public:
    using ChangeListener = std::function<void(const MenuItem&)>;

    void addItem(std::shared_ptr<MenuItem> item);
    const std::vector<std::shared_ptr<MenuItem>>& items() const { return items_; }

    void setDelegate(MenuDelegate* delegate) { delegate_ = delegate; }
    MenuDelegate* delegate() const { return delegate_; }

    void willOpen();
    void setChangeListener(ChangeListener listener) { listener_ = std::move(listener); }

private:
    friend class MenuItem;
    void itemChanged(const MenuItem& item);

    std::vector<std::shared_ptr<MenuItem>> items_;
    MenuDelegate* delegate_ = nullptr;
    ChangeListener listener_;
};

} // namespace horalet::platform::shell
