#include "app/delegate/clock_app.h"

namespace horalet::app {

int runClockApplication(platform::shell::Application& application, AppDelegate& delegate)
{
    application.setDelegate(&delegate);
    application.run();
    return 0;
}

} // namespace horalet::app
