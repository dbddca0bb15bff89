#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

namespace horalet::platform {

namespace {
Services installed;
}

void serviceMissing()
{
    std::fputs("horalet: a platform service was used before it was installed\n", stderr);
    std::abort();
}

Services install(const Services& services)
{
    const Services previous = installed;
    installed = services;
    return previous;
}

const Services& services()
{
    return installed;
}

Clock& clock()
{
    return require(installed.clock);
}

PreferencesStore& defaults()
{
    return require(installed.defaults);
}

NotificationCenter& defaultCenter()
{
    return require(installed.defaultCenter);
}

NotificationCenter& workspaceCenter()
{
    return require(installed.workspaceCenter);
}

MainQueue& mainQueue()
{
    return require(installed.mainQueue);
}

SystemEnvironment& environment()
{
    return require(installed.environment);
}

BundleInfo* bundle()
{
    return installed.bundle;
}

updater::UpdaterControllerFactory& updaterFactory()
{
    return require(installed.updaterFactory);
}

namespace shell {

Application& application()
{
    return require(services().shell.application);
}

StatusBar& statusBar()
{
    return require(services().shell.statusBar);
}

RunLoop& mainRunLoop()
{
    return require(services().shell.mainRunLoop);
}

Fonts& fonts()
{
    return require(services().shell.fonts);
}

Windows& windows()
{
    return require(services().shell.windows);
}

Alerts& alerts()
{
    return require(services().shell.alerts);
}

LoginItemService& loginItems()
{
    return require(services().shell.loginItems);
}

} // namespace shell

} // namespace horalet::platform
