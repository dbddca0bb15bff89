#pragma once

#include "app/delegate/app_delegate.h"
#include "platform/shell/application.h"

namespace horalet::app {

// Runs the menu-bar clock: hands the one AppDelegate to the application,
// runs the event loop until the application quits, and answers the exit
// status 0.
int runClockApplication(platform::shell::Application& application, AppDelegate& delegate);

} // namespace horalet::app
