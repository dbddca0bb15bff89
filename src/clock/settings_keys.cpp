#include "clock/settings_keys.h"

namespace horalet {

void registerDefaults(platform::PreferencesStore& store)
{
    using platform::PreferenceValue;
    const auto integer = [](std::int64_t value) { return PreferenceValue(value); };
    const auto text = [](std::string_view value) { return PreferenceValue(std::string(value)); };
    store.registerDefaults({
        {std::string(K::weekday), integer(1)},
        {std::string(K::date), integer(1)},
        {std::string(K::year), false},
        {std::string(K::use24), true},
        {std::string(K::seconds), false},
        {std::string(K::ampm), true},
        {std::string(K::bold), false},
        {std::string(K::monoDigit), true},
        {std::string(K::tz), text("")},
        {std::string(K::label), text("")},
        {std::string(K::locale), text("")},
        {std::string(K::useCustom), false},
        {std::string(K::custom), text(kDefaultCustomFormat)},
    });
}

} // namespace horalet
