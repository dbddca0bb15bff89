#include "platform/qt/shell/settled_file_watch.h"

#include <QDir>
#include <QFileInfo>

namespace horalet::platform::qt {

SettledFileWatch::SettledFileWatch(QString path, std::chrono::milliseconds settle, std::function<void()> settled)
    : path_(std::move(path))
{
    settle_.setSingleShot(true);
    settle_.setInterval(settle);
    QObject::connect(&settle_, &QTimer::timeout, [this, settled = std::move(settled)] {
        rewatch();
        settled();
    });
    const auto changed = [this] {
        rewatch();
        settle_.start();
    };
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, changed);
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, changed);
    rewatch();
}

QStringList SettledFileWatch::watchedPaths() const
{
    return watcher_.files() + watcher_.directories();
}

void SettledFileWatch::rewatch()
{
    // The watch on the file sits on what the path led to when it was made:
    // a rename over the file, or a link that now points elsewhere, needs a
    // new one. A folder made since the last look is nearer than the one
    // watched so far.
    if (const QStringList files = watcher_.files(); !files.isEmpty()) {
        watcher_.removePaths(files);
    }
    if (QFileInfo::exists(path_)) {
        watcher_.addPath(path_);
    }
    QString folder = QFileInfo(path_).absolutePath();
    while (!QFileInfo(folder).isDir() && folder != QDir::rootPath()) {
        folder = QFileInfo(folder).absolutePath();
    }
    const QStringList folders = watcher_.directories();
    if (folders != QStringList{folder}) {
        if (!folders.isEmpty()) {
            watcher_.removePaths(folders);
        }
        watcher_.addPath(folder);
    }
}

} // namespace horalet::platform::qt
