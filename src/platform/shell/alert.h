#pragma once

#include <string>

namespace horalet::platform::shell {

// A modal alert with one default button.
struct Alert {
    std::string messageText;
    std::string informativeText;
};

class Alerts {
public:
    virtual ~Alerts() = default;
    // Shows the alert and returns when the user has dismissed it.
    virtual void runModal(const Alert& alert) = 0;
};

} // namespace horalet::platform::shell
