#pragma once

#include "platform/foundation/signal.h"

namespace horalet::platform::shell {

// What the system tells the clock about time itself. The shell's watches
// tell these on the main thread.
struct SystemEvents {
    Signal<> timeZoneChanged;
    Signal<> clockChanged;
    Signal<> didWake;
};

} // namespace horalet::platform::shell
