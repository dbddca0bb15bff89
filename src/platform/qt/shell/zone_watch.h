#pragma once

#include <QByteArray>
#include <QObject>
#include <QVariantMap>

#include "platform/qt/shell/settled_file_watch.h"

namespace horalet::platform::qt {

// Tells zoneChanged when the system zone changes: the zone file (usually a
// link into the zone database) gets another target or other contents, or
// the time-and-date service says its zone changed. Every look at the file
// after a burst of changes, and every word from the service, ends in
// checked, changed or not.
class ZoneWatch final : public QObject {
    Q_OBJECT

public:
    explicit ZoneWatch(const QString& zoneFile);

    static QString defaultZoneFile() { return QStringLiteral("/etc/localtime"); }

Q_SIGNALS:
    void zoneChanged();
    void checked();

public Q_SLOTS:
    // org.freedesktop.timedate1's PropertiesChanged.
    void timedatePropertiesChanged(
        const QString& interface, const QVariantMap& changed, const QStringList& invalidated);

private:
    QByteArray fingerprint() const;
    void settled();

    QByteArray fingerprint_;
    bool serviceSaidSo_ = false;
    SettledFileWatch watch_;
};

} // namespace horalet::platform::qt
