#pragma once

#include "clock/clock_format.h"
#include "platform/foundation/clock.h"
#include "platform/foundation/preferences_store.h"
#include "platform/foundation/system_environment.h"

namespace horalet::app {

// The real foundation of this machine: the system clock, the preferences
// file, the host's zone and locale. main and the commands make one and
// hand its parts to whoever needs them.
class HostServices {
public:
    HostServices();
    HostServices(const HostServices&) = delete;
    HostServices& operator=(const HostServices&) = delete;

    ClockSources clockSources() { return ClockSources{store, environment}; }

    platform::SystemClock clock;
    platform::HostEnvironment environment;
    platform::PreferencesStore store;
};

} // namespace horalet::app
