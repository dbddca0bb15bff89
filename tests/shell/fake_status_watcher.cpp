#include "fake_status_watcher.h"

#include <QDBusMessage>
#include <QDBusVariant>

namespace horalet::testing {

namespace {
const QString kName = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kPath = QStringLiteral("/StatusNotifierWatcher");
} // namespace

FakeStatusWatcher::FakeStatusWatcher(QDBusConnection connection)
    : connection_(std::move(connection))
{
    connection_.registerVirtualObject(kPath, this);
}

FakeStatusWatcher::~FakeStatusWatcher()
{
    connection_.unregisterObject(kPath);
}

void FakeStatusWatcher::start()
{
    connection_.registerService(kName);
}

void FakeStatusWatcher::stop()
{
    connection_.unregisterService(kName);
}

void FakeStatusWatcher::setHostRegistered(bool registered, bool announce)
{
    hostRegistered_ = registered;
    if (announce) {
        connection_.send(QDBusMessage::createSignal(kPath, kName,
            registered ? QStringLiteral("StatusNotifierHostRegistered")
                       : QStringLiteral("StatusNotifierHostUnregistered")));
    }
}

QString FakeStatusWatcher::introspect(const QString&) const
{
    return {};
}

bool FakeStatusWatcher::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    if (message.member() == QStringLiteral("RegisterStatusNotifierItem")) {
        // As watchers do: an object path stands for that path at the caller.
        const QString serviceOrPath = message.arguments().value(0).toString();
        registrations << (serviceOrPath.startsWith(QLatin1Char('/'))
                ? message.service() + serviceOrPath
                : serviceOrPath + QStringLiteral("/StatusNotifierItem"));
        connection.send(message.createReply());
    } else if (message.member() == QStringLiteral("Get")
        && message.arguments().value(1).toString() == QStringLiteral("IsStatusNotifierHostRegistered")) {
        connection.send(message.createReply(QVariant::fromValue(QDBusVariant(hostRegistered_))));
    } else {
        connection.send(message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"), {}));
    }
    return true;
}

} // namespace horalet::testing
