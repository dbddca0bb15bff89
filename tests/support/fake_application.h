#pragma once

#include <functional>

#include "platform/shell/application.h"

namespace horalet::testing {

// An application that records what it was asked to do. run() tells the
// delegate, if any, that launching has finished, then runs `whileRunning`
// (the test's stand-in for the event loop), and returns with the exit status 0.
class FakeApplication final : public platform::shell::Application {
public:
    void setDelegate(platform::shell::ApplicationDelegate* delegate) override { delegate_ = delegate; }
    int run() override;
    void activateIgnoringOtherApps() override { ++activations_; }
    void terminate() override { ++terminations_; }

    platform::shell::ApplicationDelegate* delegate() const { return delegate_; }
    int runs() const { return runs_; }
    int activations() const { return activations_; }
    int terminations() const { return terminations_; }

    std::function<void()> whileRunning;

private:
    platform::shell::ApplicationDelegate* delegate_ = nullptr;
    int runs_ = 0;
    int activations_ = 0;
    int terminations_ = 0;
};

} // namespace horalet::testing
