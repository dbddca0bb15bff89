#pragma once

#include <chrono>
#include <functional>

#include <QFileSystemWatcher>
#include <QString>
#include <QTimer>

namespace horalet::platform::qt {

// Watches one file that may be replaced by renaming, removed or created
// later: the file itself (its target, when it is a link) and the nearest
// existing folder on its path. Once changes have settled for a moment, the
// callback runs once for the whole burst.
class SettledFileWatch {
public:
    SettledFileWatch(QString path, std::chrono::milliseconds settle, std::function<void()> settled);

    const QString& path() const { return path_; }
    QStringList watchedPaths() const;

private:
    void rewatch();

    QString path_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
};

} // namespace horalet::platform::qt
