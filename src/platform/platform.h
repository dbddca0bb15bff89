#pragma once

#include "platform/shell/shell.h"

namespace horalet::platform {

class BundleInfo;
class Clock;
class MainQueue;
class NotificationCenter;
class PreferencesStore;
class SystemEnvironment;

namespace updater {
class UpdaterControllerFactory;
}

// The one seam between the clock and the system it runs on. The program
// fills it with the real services at start; tests fill it with fakes. The
// services are owned elsewhere and must outlive their use here.
struct Services {
    Clock* clock = nullptr;
    PreferencesStore* defaults = nullptr;
    NotificationCenter* defaultCenter = nullptr;
    NotificationCenter* workspaceCenter = nullptr;
    MainQueue* mainQueue = nullptr;
    SystemEnvironment* environment = nullptr;
    BundleInfo* bundle = nullptr;
    updater::UpdaterControllerFactory* updaterFactory = nullptr;
    shell::ShellServices shell;
};

// Installs the services; returns the ones that were installed before.
Services install(const Services& services);
const Services& services();

Clock& clock();
PreferencesStore& defaults();
NotificationCenter& defaultCenter();
NotificationCenter& workspaceCenter();
MainQueue& mainQueue();
SystemEnvironment& environment();
// None stands for a build without bundle information.
BundleInfo* bundle();
updater::UpdaterControllerFactory& updaterFactory();

// Aborts with a clear message when a service is used before it was installed.
[[noreturn]] void serviceMissing();
template <typename T> T& require(T* service)
{
    if (service == nullptr) {
        serviceMissing();
    }
    return *service;
}

} // namespace horalet::platform
