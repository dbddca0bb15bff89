#pragma once

#include <functional>

#include "platform/shell/application.h"

namespace horalet::platform::qt {

// The application object over the Qt event loop of this process, whichever
// kind of Qt application (with or without a display) it is.
class QtApplication final : public shell::Application {
public:
    void setDelegate(shell::ApplicationDelegate* delegate) override { delegate_ = delegate; }
    int run() override;
    void activateIgnoringOtherApps() override;
    void terminate() override;

    // What bringing the application to the front means where there is a
    // display; without one there is nothing to bring forward.
    void setActivator(std::function<void()> activator) { activator_ = std::move(activator); }

    // Runs once, right after the delegate has finished launching.
    void setAfterLaunch(std::function<void()> afterLaunch) { afterLaunch_ = std::move(afterLaunch); }

private:
    shell::ApplicationDelegate* delegate_ = nullptr;
    std::function<void()> activator_;
    std::function<void()> afterLaunch_;
};

} // namespace horalet::platform::qt
