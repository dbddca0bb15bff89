#pragma once

#include "platform/foundation/preferences_store.h"
#include "platform/qt/shell/settled_file_watch.h"

namespace horalet::platform::qt {

// Reloads the store when another process changes its file, so that the
// store posts its change notification (once per change; a write of this
// process reads back equal and posts nothing more).
class PreferencesFileWatch {
public:
    PreferencesFileWatch(PreferencesStore& store, const QString& path);

    const SettledFileWatch& watch() const { return watch_; }

private:
    SettledFileWatch watch_;
};

} // namespace horalet::platform::qt
