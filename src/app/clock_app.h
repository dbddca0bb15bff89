#pragma once

#include "app/app_delegate.h"

namespace horalet::app {

// Runs the menu-bar clock on the installed platform and shell services:
// makes the one AppDelegate, hands it to the application, runs the event
// loop until the application quits, and answers the exit status 0.
int runClockApplication(SettingsContentFactory makeSettingsContent);

} // namespace horalet::app
