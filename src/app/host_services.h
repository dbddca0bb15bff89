#pragma once

#include <memory>

#include "platform/foundation/clock.h"
#include "platform/foundation/notification_center.h"
#include "platform/foundation/preferences_store.h"
#include "platform/foundation/system_environment.h"
#include "platform/platform.h"

namespace horalet::app {

// The real platform services of this machine: the system clock, the
// preferences file, the host's zone and locale. Creating them installs them
// as the process's services; the main queue is added by whoever runs an
// event loop.
class HostServices {
public:
    HostServices();
    HostServices(const HostServices&) = delete;
    HostServices& operator=(const HostServices&) = delete;
    ~HostServices();

    platform::Services& services() { return services_; }
    void setMainQueue(platform::MainQueue* queue);

private:
    platform::SystemClock clock_;
    platform::NotificationCenter defaultCenter_;
    platform::NotificationCenter workspaceCenter_;
    platform::HostEnvironment environment_;
    std::unique_ptr<platform::PreferencesStore> store_;
    platform::Services services_;
    platform::Services previous_;
};

} // namespace horalet::app
