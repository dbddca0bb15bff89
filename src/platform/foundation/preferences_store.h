#pragma once

#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/foundation/preference_schema.h"
#include "platform/foundation/preference_value.h"
#include "platform/foundation/signal.h"

namespace horalet::platform {

// What one write changes: each key to its new value, or to none to delete it.
using PreferenceChanges = std::map<std::string, std::optional<PreferenceValue>, std::less<>>;

// Where the store keeps its values between runs, shared with every other
// process that uses the same place.
class PreferencesPersistence {
public:
    virtual ~PreferencesPersistence() = default;
    // The stored values (an empty dictionary when there is nothing yet), or
    // none when what is stored cannot be read now. Reading never changes
    // what is stored.
    virtual std::optional<PreferenceDictionary> load() = 0;
    // Applies `changes` to what is stored at this moment, leaving every
    // other key as it is, even when another process wrote it since the
    // last load. Where what is stored is no longer usable at all, the
    // changes apply to `lastKnown`, the values the caller has been using.
    // Returns all the values now stored, or none (with a message already
    // given) when the changes could not be kept.
    virtual std::optional<PreferenceDictionary> update(
        const PreferenceChanges& changes, const PreferenceDictionary& lastKnown)
        = 0;
};

// The application's preferences: stored values, registered defaults that
// live only in memory, typed reads and writes, and a change notification
// after every write. It belongs to the main thread.
class PreferencesStore {
public:
    // With no persistence the store lives in memory only. A stored value
    // that `schema` says its key cannot use reads as if it were absent, so
    // that the registered default answers for it.
    explicit PreferencesStore(
        std::unique_ptr<PreferencesPersistence> persistence = nullptr, std::span<const SettingSpec> schema = {});
    PreferencesStore(const PreferencesStore&) = delete;
    PreferencesStore& operator=(const PreferencesStore&) = delete;

    // Told after every write, for any key, and after a reload that found
    // other values.
    Signal<> didChange;

    void registerDefaults(const PreferenceDictionary& defaults);

    // The stored value, else the registered one, else none.
    std::optional<PreferenceValue> objectForKey(std::string_view key) const;
    bool boolForKey(std::string_view key) const;
    std::int64_t integerForKey(std::string_view key) const;
    std::optional<std::string> stringForKey(std::string_view key) const;

    // Each write stores at once and then tells didChange.
    // The result tells whether the value also reached persistent storage.
    bool set(std::string_view key, PreferenceValue value);
    bool setBool(std::string_view key, bool value) { return set(key, value); }
    bool setInteger(std::string_view key, std::int64_t value) { return set(key, value); }
    bool setString(std::string_view key, std::string value) { return set(key, std::move(value)); }
    bool removeObject(std::string_view key);

    // The stored values alone, without registered defaults.
    PreferenceDictionary storedValues() const;

    // Reads the persistent storage again, after another process changed it;
    // tells didChange when anything differs. Storage that cannot be read
    // now leaves the current values as they are.
    void reload();

private:
    bool write(std::string key, std::optional<PreferenceValue> value);
    bool usable(std::string_view key, const PreferenceValue& value) const;

    std::unique_ptr<PreferencesPersistence> persistence_;
    std::span<const SettingSpec> schema_;
    PreferenceDictionary stored_;
    PreferenceDictionary registered_;
};

} // namespace horalet::platform
