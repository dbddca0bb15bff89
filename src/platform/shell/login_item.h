#pragma once

#include "platform/foundation/result.h"

namespace horalet::platform::shell {

enum class LoginItemStatus { notRegistered = 0, enabled = 1, requiresApproval = 2, notFound = 3 };

// Whether the application opens when the user logs in.
class LoginItemService {
public:
    virtual ~LoginItemService() = default;
    virtual LoginItemStatus status() const = 0;
    virtual Result<void> registerItem() = 0;
    virtual Result<void> unregisterItem() = 0;
};

} // namespace horalet::platform::shell
