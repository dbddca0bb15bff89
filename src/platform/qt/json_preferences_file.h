#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/foundation/preferences_store.h"
#include "platform/foundation/result.h"

namespace horalet::platform::qt {

// The preferences as a small JSON object in one file, each value a JSON
// boolean, integer or string, shared by every Horalet process of the user.
//
// Reading never changes the file. A value of another kind (a fraction, a
// number beyond 64 bits, null, a list) is left out, so that its key reads
// as its default while every other key keeps its value. A file that is no
// JSON object at all, or cannot be read, gives no values; each such finding
// is told once in the log.
//
// Every write is a read-modify-write of the keys it changes, under a lock
// file beside the store ("<file>.lock"), followed by an atomic replace: no
// writer, in this process or another, loses another's change. Keys the
// writer does not change stay as they are in the file, even those it
// cannot read. Under the lock the writer also removes the temporary files
// of writers that were killed, and keeps a file that is no JSON object
// beside it as "<file>.damaged-<time>" (never deleted) before writing a
// new one from the values the writer last knew. A file that cannot be read
// is never written over.
class JsonPreferencesFile final : public horalet::platform::PreferencesPersistence {
public:
    explicit JsonPreferencesFile(std::string path);

    // $XDG_CONFIG_HOME/horalet/preferences.json, or ~/.config/horalet/…
    static std::string defaultPath();

    std::optional<PreferenceDictionary> load() override;
    std::optional<PreferenceDictionary> update(
        const PreferenceChanges& changes, const PreferenceDictionary& lastKnown) override;

    const std::string& path() const { return path_; }

    // Runs between writing the new file and renaming it into place.
    void setBeforeRenameHook(std::function<void()> hook) { beforeRename_ = std::move(hook); }

    static std::string serialize(const PreferenceDictionary& values);
    // False (and why in `problem`) when the text is not a JSON object.
    // Otherwise `values` holds every key whose value is a boolean, a 64-bit
    // integer or a string, and `problem` names the keys left out, if any.
    static bool parse(const std::string& text, PreferenceDictionary& values, std::string& problem);

private:
    void complainOnce(const Error& error);
    bool setAside(const std::string& problem);

    std::string path_;
    std::function<void()> beforeRename_;
    std::string lastComplaint_;
};

} // namespace horalet::platform::qt
