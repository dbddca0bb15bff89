#pragma once

#include <functional>
#include <optional>

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>
#include <QString>

namespace horalet::platform::qt {

// Which icon the item shows. Panels that show the item's text label keep
// the plain clock icon; panels that show only an icon get a clock face
// that tells the time.
enum class StatusIconStyle { plain, clockFace };

// The style for the panel whose process has this name (as /proc gives it,
// possibly cut to 15 characters). The hosts known to show the label get
// the plain icon; every other host, known or not, gets the clock face:
// beside a label a face does no harm, while a plain icon alone leaves the
// user without the time.
StatusIconStyle iconStyleForHost(const QString& processName);

// The name of the process that owns a name on the bus: its command name,
// or its executable's file name when the command name is cut short. None
// when the bus or /proc cannot say.
std::optional<QString> processNameOfOwner(const QDBusConnection& bus, const QString& busName);

// The style for the panel that owns the status-notifier watcher: asked at
// once (the clock face while there is no watcher), and again whenever
// another process takes the watcher's name, telling of a change.
class StatusIconStyleWatch final : public QObject {
    Q_OBJECT

public:
    StatusIconStyleWatch(QDBusConnection bus, std::function<void(StatusIconStyle)> changed);

    StatusIconStyle style() const { return style_; }

private:
    StatusIconStyle detect() const;

    QDBusConnection bus_;
    std::function<void(StatusIconStyle)> changed_;
    QDBusServiceWatcher ownerWatch_;
    StatusIconStyle style_ = StatusIconStyle::clockFace;
};

} // namespace horalet::platform::qt
