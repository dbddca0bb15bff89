#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "platform/shell/status_bar.h"

namespace horalet::platform::qt {

// Hands out another status bar's items and keeps track of them, so that a
// request from outside the menu (another instance asking for the settings
// window) can run the same command the menu would.
class TrackedStatusBar final : public shell::StatusBar {
public:
    explicit TrackedStatusBar(shell::StatusBar& inner)
        : inner_(inner)
    {
    }

    std::shared_ptr<shell::StatusItem> statusItemWithLength(double length) override;

    // Chooses the first menu item with that action; false when there is none.
    bool performMenuAction(std::string_view action) const;

private:
    shell::StatusBar& inner_;
    std::vector<std::weak_ptr<shell::StatusItem>> items_;
};

} // namespace horalet::platform::qt
