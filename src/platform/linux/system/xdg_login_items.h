#pragma once

#include <string>

#include "platform/shell/login_item.h"

namespace horalet::platform::os {

// Opening at login through an XDG autostart entry. Enabled when the entry
// exists and is not turned off; an entry the user turned off counts as
// waiting for approval, and registering writes a fresh one over it.
class XdgLoginItems final : public shell::LoginItemService {
public:
    XdgLoginItems(std::string entryPath, std::string programPath);

    shell::LoginItemStatus status() const override;
    Result<void> registerItem() override;
    Result<void> unregisterItem() override;

    const std::string& entryPath() const { return entryPath_; }

private:
    std::string entryPath_;
    std::string programPath_;
};

} // namespace horalet::platform::os
