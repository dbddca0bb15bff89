#pragma once

#include "platform/qt/shell/desktop/platform_choice.h"

namespace horalet::platform::qt {

// The facts of this process's environment, its questions answered by
// looking: plugin files in Qt's plugin folders, a connection to the X
// server, to the Wayland socket and to the session bus.
PlatformFacts environmentFacts();

// Chooses from this process's environment, tells on standard error why the
// choice differs from what the environment asked for, and makes Qt start
// the chosen platform.
PlatformChoice choosePlatformHere();

} // namespace horalet::platform::qt
