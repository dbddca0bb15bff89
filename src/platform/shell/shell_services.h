#pragma once

#include "platform/shell/alert.h"
#include "platform/shell/application.h"
#include "platform/shell/font.h"
#include "platform/shell/login_item.h"
#include "platform/shell/status_bar.h"
#include "platform/shell/system_events.h"
#include "platform/shell/timer.h"
#include "platform/shell/window.h"

namespace horalet::platform::shell {

// The desktop shell's parts the clock works with, as one bundle to hand
// down: the shell that owns them outlives everyone it hands them to.
struct ShellServices {
    Application& application;
    StatusBar& statusBar;
    RunLoop& mainRunLoop;
    Fonts& fonts;
    Windows& windows;
    Alerts& alerts;
    LoginItemService& loginItems;
    SystemEvents& systemEvents;
};

} // namespace horalet::platform::shell
