#include "platform/qt/shell/desktop/status_notifier_registration.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QDBusVariant>

namespace horalet::platform::qt {

namespace {

const QString kWatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString kWatcherInterface = QStringLiteral("org.kde.StatusNotifierWatcher");

} // namespace

StatusNotifierRegistration::StatusNotifierRegistration(
    QDBusConnection bus, QString itemPath, std::function<void(bool)> hostPresent)
    : bus_(std::move(bus))
    , itemPath_(std::move(itemPath))
    , hostPresentChanged_(std::move(hostPresent))
    , watcherWatch_(watcherService(), bus_,
          QDBusServiceWatcher::WatchForRegistration | QDBusServiceWatcher::WatchForUnregistration)
{
    connect(&watcherWatch_, &QDBusServiceWatcher::serviceRegistered, this, [this] { registerWithWatcher(); });
    connect(&watcherWatch_, &QDBusServiceWatcher::serviceUnregistered, this, [this] { setHostPresent(false); });
}

void StatusNotifierRegistration::start()
{
    bus_.connect(watcherService(), kWatcherPath, kWatcherInterface, QStringLiteral("StatusNotifierHostRegistered"),
        this, SLOT(hostRegistered()));
    bus_.connect(watcherService(), kWatcherPath, kWatcherInterface, QStringLiteral("StatusNotifierHostUnregistered"),
        this, SLOT(hostUnregistered()));
    registerWithWatcher();
}

void StatusNotifierRegistration::hostRegistered()
{
    setHostPresent(true);
}

void StatusNotifierRegistration::hostUnregistered()
{
    askForHost();
}

void StatusNotifierRegistration::registerWithWatcher()
{
    const QDBusMessage call = QDBusMessage::createMethodCall(watcherService(), kWatcherPath, kWatcherInterface,
                                  QStringLiteral("RegisterStatusNotifierItem"))
        << itemPath_;
    auto* pending = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        if (done->isError()) {
            setHostPresent(false);
        } else {
            askForHost();
        }
    });
}

void StatusNotifierRegistration::askForHost()
{
    const QDBusMessage call = QDBusMessage::createMethodCall(watcherService(), kWatcherPath,
                                  QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"))
        << kWatcherInterface << QStringLiteral("IsStatusNotifierHostRegistered");
    auto* pending = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusReply<QDBusVariant> reply = *done;
        setHostPresent(reply.isValid() && reply.value().variant().toBool());
    });
}

void StatusNotifierRegistration::setHostPresent(bool present)
{
    if (hostPresent_ == present) {
        return;
    }
    hostPresent_ = present;
    hostPresentChanged_(present);
}

} // namespace horalet::platform::qt
