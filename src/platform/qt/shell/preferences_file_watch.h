#pragma once

#include <QObject>

#include "platform/foundation/preferences_store.h"
#include "platform/qt/shell/settled_file_watch.h"

namespace horalet::platform::qt {

// Reloads the store when another process changes its file, so that the
// store tells its change notification (once per change; a write of this
// process reads back equal and tells nothing more). Every reload ends in
// reloaded, whether anything changed or not.
class PreferencesFileWatch final : public QObject {
    Q_OBJECT

public:
    PreferencesFileWatch(PreferencesStore& store, const QString& path);

    const SettledFileWatch& watch() const { return watch_; }

Q_SIGNALS:
    void reloaded();

private:
    SettledFileWatch watch_;
};

} // namespace horalet::platform::qt
