#include "app/cli/host_services.h"

#include "clock/settings_keys.h"
#include "platform/qt/json_preferences_file.h"

namespace horalet::app {

HostServices::HostServices()
    : store(std::make_unique<platform::qt::JsonPreferencesFile>(platform::qt::JsonPreferencesFile::defaultPath()),
        kSettingsSchema)
{
}

} // namespace horalet::app
