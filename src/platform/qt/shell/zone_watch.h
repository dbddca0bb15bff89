#pragma once

#include <QByteArray>
#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>

#include "platform/foundation/notification_center.h"
#include "platform/qt/shell/settled_file_watch.h"

namespace horalet::platform::qt {

// Posts systemTimeZoneDidChange when the system zone changes: the zone
// file (usually a link into the zone database) gets another target or
// other contents, or the time-and-date service says its zone changed.
class ZoneWatch final : public QObject {
    Q_OBJECT

public:
    ZoneWatch(NotificationCenter& center, const QString& zoneFile);

    // Also listens to org.freedesktop.timedate1 on that bus.
    void followTimedate(QDBusConnection bus);

    static QString defaultZoneFile() { return QStringLiteral("/etc/localtime"); }

private Q_SLOTS:
    void timedatePropertiesChanged(
        const QString& interface, const QVariantMap& changed, const QStringList& invalidated);

private:
    QByteArray fingerprint() const;
    void settled();

    NotificationCenter& center_;
    QByteArray fingerprint_;
    bool serviceSaidSo_ = false;
    SettledFileWatch watch_;
};

} // namespace horalet::platform::qt
