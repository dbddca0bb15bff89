#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/preference_value.h"
#include "platform/foundation/signal.h"

namespace horalet::platform {

// Where the store keeps its values between runs.
class PreferencesPersistence {
public:
    virtual ~PreferencesPersistence() = default;
    // The stored values; an empty dictionary when there is nothing yet.
    virtual PreferenceDictionary load() = 0;
    // Replaces what is stored; false (with a message already given) when
    // the values could not be kept.
    virtual bool save(const PreferenceDictionary& values) = 0;
};

// The application's preferences: stored values, registered defaults that
// live only in memory, typed reads and writes, and a change notification
// after every write. It belongs to the main thread.
class PreferencesStore {
public:
    // With no persistence the store lives in memory only.
    explicit PreferencesStore(std::unique_ptr<PreferencesPersistence> persistence = nullptr);
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
    // tells didChange when anything differs.
    void reload();

private:
    bool persistAndPost(const PreferenceDictionary& snapshot);

    std::unique_ptr<PreferencesPersistence> persistence_;
    PreferenceDictionary stored_;
    PreferenceDictionary registered_;
};

} // namespace horalet::platform
