#include "platform/foundation/preference_schema.h"

namespace horalet::platform {

PreferenceValue SettingSpec::defaultValue() const
{
    if (const auto* text = std::get_if<std::string_view>(&fallback)) {
        return std::string(*text);
    }
    if (const auto* number = std::get_if<std::int64_t>(&fallback)) {
        return *number;
    }
    return std::get<bool>(fallback);
}

bool SettingSpec::accepts(const PreferenceValue& value) const
{
    return type != PreferenceType::integer || range.contains(readAsInteger(value));
}

} // namespace horalet::platform
