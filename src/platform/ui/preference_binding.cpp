#include "platform/ui/preference_binding.h"

namespace horalet::platform::ui {

// The store's own typed reads, so that the form shows what the clock,
// reading the same store, uses.

std::optional<bool> storedBool(const PreferencesStore& store, std::string_view key)
{
    if (const auto value = store.objectForKey(key)) {
        return readAsBool(*value);
    }
    return std::nullopt;
}

std::optional<std::int64_t> storedInteger(const PreferencesStore& store, std::string_view key)
{
    if (const auto value = store.objectForKey(key)) {
        return readAsInteger(*value);
    }
    return std::nullopt;
}

std::optional<std::string> storedString(const PreferencesStore& store, std::string_view key)
{
    if (const auto value = store.objectForKey(key)) {
        return readAsString(*value);
    }
    return std::nullopt;
}

} // namespace horalet::platform::ui
