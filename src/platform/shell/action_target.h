#pragma once

#include <string_view>

namespace horalet::platform::shell {

// An object whose operations the shell invokes by name: menu actions, the
// timer's action, notification handlers. Answers false for a name it does
// not handle.
class ActionTarget {
public:
    virtual ~ActionTarget() = default;
    virtual bool perform(std::string_view action) = 0;
};

} // namespace horalet::platform::shell
