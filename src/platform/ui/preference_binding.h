#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/foundation/preference_schema.h"
#include "platform/ui/binding.h"

namespace horalet::platform::ui {

// The stored value of `key` read as the type, registered defaults included;
// none when the store has no value for it.
std::optional<bool> storedBool(std::string_view key);
std::optional<std::int64_t> storedInteger(std::string_view key);
std::optional<std::string> storedString(std::string_view key);
void store(std::string_view key, bool value);
void store(std::string_view key, std::int64_t value);
void store(std::string_view key, std::string value);

// A value tied to one setting of the preferences store. Reading yields what
// the store holds, registered defaults included, and the setting's default
// only when it holds nothing; writing stores at once, and the store then
// posts its change notification. It keeps no value of its own, so copies
// read and write the same setting.
template <typename T> class PreferenceBinding {
public:
    explicit PreferenceBinding(const Setting<T>& setting)
        : key_(setting.key)
        , fallback_(setting.fallback)
    {
    }

    const std::string& key() const { return key_; }

    T get() const
    {
        if constexpr (std::is_same_v<T, bool>) {
            return storedBool(key_).value_or(fallback_);
        } else if constexpr (std::is_same_v<T, std::int64_t>) {
            return storedInteger(key_).value_or(fallback_);
        } else {
            return storedString(key_).value_or(fallback_);
        }
    }

    void set(T value) const { store(key_, std::move(value)); }

    Binding<T> binding() const
    {
        return Binding<T>(
            [copy = *this] { return copy.get(); }, [copy = *this](T value) { copy.set(std::move(value)); });
    }
    operator Binding<T>() const { return binding(); }

private:
    std::string key_;
    T fallback_;
};

} // namespace horalet::platform::ui
