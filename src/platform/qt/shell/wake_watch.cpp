#include "platform/qt/shell/wake_watch.h"

#include <QDBusConnectionInterface>

namespace horalet::platform::qt {

WakeWatch::WakeWatch(NotificationCenter& workspaceCenter, os::SuspendGap gap)
    : center_(workspaceCenter)
    , gap_(std::move(gap))
{
}

bool WakeWatch::followLogind(QDBusConnection bus)
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
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
            SLOT(prepareForSleep(bool)));
}

void WakeWatch::checkSuspendGap()
{
    if (gap_.sleptSinceLastCheck()) {
        center_.post(notifications::workspaceDidWake);
    }
}

void WakeWatch::prepareForSleep(bool starting)
{
    if (!starting) {
        center_.post(notifications::workspaceDidWake);
    }
}

} // namespace horalet::platform::qt
