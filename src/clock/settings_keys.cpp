#include "clock/settings_keys.h"

#include <algorithm>

#include "platform/foundation/preferences_store.h"

namespace horalet {

const platform::SettingSpec* findSetting(std::string_view key)
{
    const auto found = std::find_if(kSettingsSchema.begin(), kSettingsSchema.end(),
        [key](const platform::SettingSpec& spec) { return spec.key == key; });
    return found != kSettingsSchema.end() ? &*found : nullptr;
}

void registerDefaults(platform::PreferencesStore& store)
{
    platform::PreferenceDictionary defaults;
    for (const platform::SettingSpec& spec : kClockSettings) {
        defaults.emplace(std::string(spec.key), spec.defaultValue());
    }
    store.registerDefaults(defaults);
}

} // namespace horalet
