#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/foundation/preferences_store.h"
#include "platform/ui/binding.h"

namespace horalet::platform::ui {

// The stored value of `key` read as the type, registered defaults included;
// none when the store has no value for it.
std::optional<bool> storedBool(const PreferencesStore& store, std::string_view key);
std::optional<std::int64_t> storedInteger(const PreferencesStore& store, std::string_view key);
std::optional<std::string> storedString(const PreferencesStore& store, std::string_view key);

// A value tied to one setting of the preferences store. Reading yields what
// the store holds, registered defaults included, and the setting's default
// only when it holds nothing; writing stores at once, and the store then
// posts its change notification. It keeps no value of its own, so copies
// read and write the same setting. The store outlives it.
template <typename T> class PreferenceBinding {
public:
    PreferenceBinding(PreferencesStore& store, const Setting<T>& setting)
        : store_(&store)
        , key_(setting.key)
        , fallback_(setting.fallback)
    {
    }

    const std::string& key() const { return key_; }

    T get() const
    {
        if constexpr (std::is_same_v<T, bool>) {
            return storedBool(*store_, key_).value_or(fallback_);
        } else if constexpr (std::is_same_v<T, std::int64_t>) {
            return storedInteger(*store_, key_).value_or(fallback_);
        } else {
            return storedString(*store_, key_).value_or(fallback_);
        }
    }

    void set(T value) const { store_->set(key_, PreferenceValue(std::move(value))); }

    Binding<T> binding() const
    {
        return Binding<T>(
            [copy = *this] { return copy.get(); }, [copy = *this](T value) { copy.set(std::move(value)); });
    }
    operator Binding<T>() const { return binding(); }

private:
    PreferencesStore* store_;
    std::string key_;
    T fallback_;
};

} // namespace horalet::platform::ui
