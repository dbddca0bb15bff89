#pragma once

#include "platform/shell/action_target.h"

namespace horalet::platform::shell {

class ApplicationDelegate {
public:
    virtual ~ApplicationDelegate() = default;
    // Arrives once, after launching has finished, inside the event loop.
    virtual void applicationDidFinishLaunching() = 0;
};

enum class ActivationPolicy { regular = 0, accessory = 1 };

// The application object. It is also the end of the responder chain: an
// action sent with no target reaches it, and it handles "terminate:".
class Application : public ActionTarget {
public:
    virtual void setDelegate(ApplicationDelegate* delegate) = 0;
    virtual void setActivationPolicy(ActivationPolicy policy) = 0;
    // Runs the event loop until the application quits; answers the exit status 0.
    virtual int run() = 0;
    // Brings the application's windows to the front, taking focus.
    virtual void activateIgnoringOtherApps() = 0;
    // Ends the event loop.
    virtual void terminate() = 0;

    bool perform(std::string_view action) override
    {
        if (action == "terminate:") {
            terminate();
            return true;
        }
        return false;
    }
};

} // namespace horalet::platform::shell
