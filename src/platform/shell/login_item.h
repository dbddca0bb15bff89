#pragma once

#include <optional>
#include <string>

namespace horalet::platform::shell {

enum class LoginItemStatus { notRegistered = 0, enabled = 1, requiresApproval = 2, notFound = 3 };

struct LoginItemError {
    std::string localizedDescription;
};

// Whether the application opens when the user logs in.
class LoginItemService {
public:
    virtual ~LoginItemService() = default;
    virtual LoginItemStatus status() const = 0;
    // None on success.
    virtual std::optional<LoginItemError> registerItem() = 0;
    virtual std::optional<LoginItemError> unregisterItem() = 0;
};

} // namespace horalet::platform::shell
