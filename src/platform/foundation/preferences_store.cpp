#include "platform/foundation/preferences_store.h"

namespace horalet::platform {

PreferencesStore::PreferencesStore(std::unique_ptr<PreferencesPersistence> persistence)
    : persistence_(std::move(persistence))
{
    if (persistence_) {
        stored_ = persistence_->load();
    }
}

void PreferencesStore::registerDefaults(const PreferenceDictionary& defaults)
{
    for (const auto& [key, value] : defaults) {
        registered_.insert_or_assign(key, value);
    }
}

std::optional<PreferenceValue> PreferencesStore::objectForKey(std::string_view key) const
{
    if (const auto found = stored_.find(key); found != stored_.end()) {
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
    PreferenceDictionary snapshot;
    {
        stored_.insert_or_assign(std::string(key), std::move(value));
        snapshot = stored_;
    }
    return persistAndPost(snapshot);
}

bool PreferencesStore::removeObject(std::string_view key)
{
    PreferenceDictionary snapshot;
    {
        if (const auto found = stored_.find(key); found != stored_.end()) {
            stored_.erase(found);
        }
        snapshot = stored_;
    }
    return persistAndPost(snapshot);
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
    PreferenceDictionary loaded = persistence_->load();
    if (loaded == stored_) {
        return;
    }
    stored_ = std::move(loaded);
    didChange.notify();
}

bool PreferencesStore::persistAndPost(const PreferenceDictionary& snapshot)
{
    const bool kept = !persistence_ || persistence_->save(snapshot);
    didChange.notify();
    return kept;
}

} // namespace horalet::platform
