#pragma once

#include <memory>
#include <vector>

#include <QMenu>

#include "platform/shell/menu.h"

namespace horalet::platform::qt {

// A menu shown as a QMenu: before every opening the menu's delegate fills
// it in, item changes update the actions in place, and a chosen item runs
// its action once the menu has closed.
class QtMenu {
public:
    explicit QtMenu(std::shared_ptr<shell::Menu> menu);

    QMenu& widget() { return widget_; }
    void itemChanged(const shell::MenuItem& item);

private:
    void update(std::size_t index);

    std::shared_ptr<shell::Menu> menu_;
    QMenu widget_;
    std::vector<QAction*> actions_;
};

} // namespace horalet::platform::qt
