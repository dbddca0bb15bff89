#pragma once

namespace horalet::platform::shell {

class ApplicationDelegate {
public:
    virtual ~ApplicationDelegate() = default;
    // Arrives once, after launching has finished, inside the event loop.
    virtual void applicationDidFinishLaunching() = 0;
};

// The application object over the event loop.
class Application {
public:
    virtual ~Application() = default;
    virtual void setDelegate(ApplicationDelegate* delegate) = 0;
    // Runs the event loop until the application quits; answers the exit status 0.
    virtual int run() = 0;
    // Brings the application's windows to the front, taking focus.
    virtual void activateIgnoringOtherApps() = 0;
    // Ends the event loop.
    virtual void terminate() = 0;
};

} // namespace horalet::platform::shell
