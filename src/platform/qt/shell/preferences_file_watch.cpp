#include "platform/qt/shell/preferences_file_watch.h"

namespace horalet::platform::qt {

namespace {

// Long enough for a writer that does not rename into place to finish its
// file, short enough that the change shows within a second.
constexpr std::chrono::milliseconds kSettle{150};

} // namespace

PreferencesFileWatch::PreferencesFileWatch(PreferencesStore& store, const QString& path)
    : watch_(path, kSettle, [this, &store] {
        store.reload();
        Q_EMIT reloaded();
    })
{
}

} // namespace horalet::platform::qt
