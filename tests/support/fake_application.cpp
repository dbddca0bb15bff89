#include "support/fake_application.h"

namespace horalet::testing {

int FakeApplication::run()
{
    ++runs_;
    if (delegate_ != nullptr) {
        delegate_->applicationDidFinishLaunching();
    }
    if (whileRunning) {
        whileRunning();
    }
    return 0;
}

} // namespace horalet::testing
