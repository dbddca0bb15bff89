#include "app/host_services.h"

#include "clock/settings_keys.h"
#include "platform/qt/json_preferences_file.h"

namespace horalet::app {

HostServices::HostServices()
    : store_(std::make_unique<platform::PreferencesStore>(defaultCenter_,
        std::make_unique<platform::qt::JsonPreferencesFile>(platform::qt::JsonPreferencesFile::defaultPath()),
        kSettingsSchema))
{
    services_.clock = &clock_;
    services_.defaults = store_.get();
    services_.defaultCenter = &defaultCenter_;
    services_.workspaceCenter = &workspaceCenter_;
    services_.environment = &environment_;
    previous_ = platform::install(services_);
}

HostServices::~HostServices()
{
    platform::install(previous_);
}

void HostServices::setMainQueue(platform::MainQueue* queue)
{
    services_.mainQueue = queue;
    platform::install(services_);
}

} // namespace horalet::app
