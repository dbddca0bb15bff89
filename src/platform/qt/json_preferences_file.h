#pragma once

#include <functional>
#include <string>

#include "platform/foundation/preferences_store.h"

namespace horalet::platform::qt {

// The preferences as a small JSON object in one file, each value a JSON
// boolean, integer or string. A file that cannot be understood is moved
// aside (never deleted) with one line on stderr, and the store starts on
// its defaults. A file that cannot even be read or moved is left alone and
// nothing is written over it for the rest of the run.
class JsonPreferencesFile final : public horalet::platform::PreferencesPersistence {
public:
    explicit JsonPreferencesFile(std::string path);

    // $XDG_CONFIG_HOME/horalet/preferences.json, or ~/.config/horalet/…
    static std::string defaultPath();

    PreferenceDictionary load() override;
    bool save(const PreferenceDictionary& values) override;

    const std::string& path() const { return path_; }

    // Runs between writing the new file and renaming it into place.
    void setBeforeRenameHook(std::function<void()> hook) { beforeRename_ = std::move(hook); }

    static std::string serialize(const PreferenceDictionary& values);
    // False when the text is not a JSON object of booleans, integers and strings.
    static bool parse(const std::string& text, PreferenceDictionary& values, std::string& problem);

private:
    void setAside(const std::string& problem);

    std::string path_;
    bool writable_ = true;
    std::function<void()> beforeRename_;
};

} // namespace horalet::platform::qt
