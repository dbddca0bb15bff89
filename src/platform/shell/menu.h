#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace horalet::platform::shell {

class Menu;

enum class ItemState { off = 0, on = 1 };

// One entry of a menu. Choosing it runs its action.
class MenuItem {
public:
    using Action = std::function<void()>;

    MenuItem(std::string title, Action action, std::string keyEquivalent);
    static std::shared_ptr<MenuItem> separatorItem();

    const std::string& title() const { return title_; }
    bool hasAction() const { return static_cast<bool>(action_); }
    // With the desktop's default modifier (Control here).
    const std::string& keyEquivalent() const { return keyEquivalent_; }
    bool isEnabled() const { return enabled_; }
    bool isHidden() const { return hidden_; }
    ItemState state() const { return state_; }
    bool isSeparator() const { return separator_; }

    void setTitle(std::string title);
    void setAction(Action action) { action_ = std::move(action); }
    void setEnabled(bool enabled);
    void setHidden(bool hidden);
    void setState(ItemState state);

    // What the shell calls when the user chooses the item.
    void perform() const;

private:
    friend class Menu;
    void changed();

    std::string title_;
    Action action_;
    std::string keyEquivalent_;
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
