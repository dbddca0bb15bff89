#pragma once

#include <QDBusObjectPath>
#include <QMap>
#include <QObject>
#include <QVariantMap>

namespace horalet::platform::qt {

class XAppStatusIcon;

// a{sa{sv}}: an object's interfaces with their properties.
using DBusInterfaceProperties = QMap<QString, QVariantMap>;
// a{oa{sa{sv}}}: the objects a manager holds, by path.
using DBusManagedObjects = QMap<QDBusObjectPath, DBusInterfaceProperties>;

// The org.freedesktop.DBus.ObjectManager through which the XApp status
// applet finds the icons behind an org.x.StatusIcon.* name; it holds the
// one icon, for as long as the name is owned.
class XAppIconManager final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.DBus.ObjectManager")

public:
    explicit XAppIconManager(const XAppStatusIcon& icon);

    static QString objectPath() { return QStringLiteral("/org/x/StatusIcon"); }

public Q_SLOTS:
    horalet::platform::qt::DBusManagedObjects GetManagedObjects() const;

private:
    const XAppStatusIcon& icon_;
};

} // namespace horalet::platform::qt

Q_DECLARE_METATYPE(horalet::platform::qt::DBusInterfaceProperties)
Q_DECLARE_METATYPE(horalet::platform::qt::DBusManagedObjects)
