#include "platform/ui/preference_binding.h"

#include "platform/foundation/preferences_store.h"
#include "platform/platform.h"

namespace horalet::platform::ui {

// The store's own typed reads, so that the form shows what the clock,
// reading the same store, uses.

std::optional<bool> storedBool(std::string_view key)
{
    if (const auto value = defaults().objectForKey(key)) {
        return readAsBool(*value);
    }
    return std::nullopt;
}

std::optional<std::int64_t> storedInteger(std::string_view key)
{
    if (const auto value = defaults().objectForKey(key)) {
        return readAsInteger(*value);
    }
    return std::nullopt;
}

std::optional<std::string> storedString(std::string_view key)
{
    if (const auto value = defaults().objectForKey(key)) {
        return readAsString(*value);
    }
    return std::nullopt;
}

void store(std::string_view key, bool value)
{
    defaults().setBool(key, value);
}

void store(std::string_view key, std::int64_t value)
{
    defaults().setInteger(key, value);
}

void store(std::string_view key, std::string value)
{
    defaults().setString(key, std::move(value));
}

} // namespace horalet::platform::ui
