#include "platform/foundation/preferences_store.h"

#include <algorithm>

namespace horalet::platform {

PreferencesStore::PreferencesStore(
    std::unique_ptr<PreferencesPersistence> persistence, std::span<const SettingSpec> schema)
    : persistence_(std::move(persistence))
    , schema_(schema)
{
    if (persistence_) {
        stored_ = persistence_->load().value_or(PreferenceDictionary{});
    }
}

void PreferencesStore::registerDefaults(const PreferenceDictionary& defaults)
{
    for (const auto& [key, value] : defaults) {
        registered_.insert_or_assign(key, value);
    }
}

bool PreferencesStore::usable(std::string_view key, const PreferenceValue& value) const
{
    const auto spec = std::find_if(
        schema_.begin(), schema_.end(), [key](const SettingSpec& candidate) { return candidate.key == key; });
    return spec == schema_.end() || spec->accepts(value);
}

std::optional<PreferenceValue> PreferencesStore::objectForKey(std::string_view key) const
{
    if (const auto found = stored_.find(key); found != stored_.end() && usable(key, found->second)) {
        return found->second;
    }
    if (const auto found = registered_.find(key); found != registered_.end()) {
        return found->second;
    }
    return std::nullopt;
}

bool PreferencesStore::boolForKey(std::string_view key) const
{
    const auto value = objectForKey(key);
    return value ? readAsBool(*value) : false;
}

std::int64_t PreferencesStore::integerForKey(std::string_view key) const
{
    const auto value = objectForKey(key);
    return value ? readAsInteger(*value) : 0;
}

std::optional<std::string> PreferencesStore::stringForKey(std::string_view key) const
{
    const auto value = objectForKey(key);
    if (!value) {
        return std::nullopt;
    }
    return readAsString(*value);
}

bool PreferencesStore::set(std::string_view key, PreferenceValue value)
{
    return write(std::string(key), std::move(value));
}

bool PreferencesStore::removeObject(std::string_view key)
{
    return write(std::string(key), std::nullopt);
}

bool PreferencesStore::write(std::string key, std::optional<PreferenceValue> value)
{
    if (value) {
        stored_.insert_or_assign(key, *value);
    } else if (const auto found = stored_.find(key); found != stored_.end()) {
        stored_.erase(found);
    }
    bool kept = true;
    if (persistence_) {
        // What is stored now, with this change and whatever other processes
        // wrote since the last read; the change alone stays in memory when
        // it could not be kept.
        std::optional<PreferenceDictionary> now = persistence_->update({{std::move(key), std::move(value)}}, stored_);
        kept = now.has_value();
        if (now) {
            stored_ = std::move(*now);
        }
    }
    didChange.notify();
    return kept;
}

PreferenceDictionary PreferencesStore::storedValues() const
{
    return stored_;
}

void PreferencesStore::reload()
{
    if (!persistence_) {
        return;
    }
    std::optional<PreferenceDictionary> loaded = persistence_->load();
    if (!loaded || *loaded == stored_) {
        return;
    }
    stored_ = std::move(*loaded);
    didChange.notify();
}

} // namespace horalet::platform
