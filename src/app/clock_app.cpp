#include "app/clock_app.h"

#include <memory>
#include <utility>

#include "platform/platform.h"
#include "platform/shell/application.h"
#include "updates/app_updates.h"

namespace horalet::app {

namespace {

// The program-wide references: the application object, and the one
// delegate, held here for the whole run (the application's own reference to
// its delegate is not relied on). The holder itself is never destroyed, so
// the delegate and the shell objects it owns are not torn down during exit,
// after the shell that made them is already gone.
platform::shell::Application* app = nullptr;

std::unique_ptr<AppDelegate>& delegate()
{
    static auto* held = new std::unique_ptr<AppDelegate>();
    return *held;
}

} // namespace

int runClockApplication(SettingsContentFactory makeSettingsContent)
{
    app = &platform::shell::application();
    delegate() = std::make_unique<AppDelegate>(std::move(makeSettingsContent), AppUpdates::shared());
    app->setDelegate(delegate().get());
    app->setActivationPolicy(platform::shell::ActivationPolicy::accessory);
    app->run();
    return 0;
}

} // namespace horalet::app
