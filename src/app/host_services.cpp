#include "app/host_services.h"

#include "platform/qt/json_preferences_file.h"

namespace horalet::app {

HostServices::HostServices()
    : store(std::make_unique<platform::qt::JsonPreferencesFile>(platform::qt::JsonPreferencesFile::defaultPath()))
{
}

} // namespace horalet::app
