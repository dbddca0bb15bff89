#include "platform/qt/shell/desktop/system_bus_watches.h"

#include <QDBusConnectionInterface>

namespace horalet::platform::qt {

bool followLogind(QDBusConnection bus, WakeWatch& wake)
{
    if (!bus.isConnected() || bus.interface() == nullptr) {
        return false;
    }
    const QString logind = QStringLiteral("org.freedesktop.login1");
    QDBusConnectionInterface& daemon = *bus.interface();
    const bool present
        = daemon.isServiceRegistered(logind).value() || daemon.activatableServiceNames().value().contains(logind);
    return present
        && bus.connect(logind, QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), &wake,
            SLOT(prepareForSleep(bool)));
}

void followTimedate(QDBusConnection bus, ZoneWatch& zone)
{
    bus.connect(QStringLiteral("org.freedesktop.timedate1"), QStringLiteral("/org/freedesktop/timedate1"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"), &zone,
        SLOT(timedatePropertiesChanged(QString, QVariantMap, QStringList)));
}

} // namespace horalet::platform::qt
