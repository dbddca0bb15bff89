#pragma once

#include <QByteArray>
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

    static QString defaultZoneFile() { return QStringLiteral("/etc/localtime"); }

public Q_SLOTS:
    // org.freedesktop.timedate1's PropertiesChanged.
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
