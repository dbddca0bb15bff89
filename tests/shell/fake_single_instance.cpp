#include "fake_single_instance.h"

#include <QDBusMessage>

namespace horalet::testing {

namespace {
const QString kName = QStringLiteral("org.horalet.Horalet");
const QString kPath = QStringLiteral("/org/horalet/Horalet");
} // namespace

FakeSingleInstance::FakeSingleInstance(QDBusConnection connection)
    : connection_(std::move(connection))
{
    connection_.registerVirtualObject(kPath, this);
    connection_.registerService(kName);
}

FakeSingleInstance::~FakeSingleInstance()
{
    connection_.unregisterService(kName);
    connection_.unregisterObject(kPath);
}

QString FakeSingleInstance::introspect(const QString&) const
{
    return {};
}

bool FakeSingleInstance::handleMessage(const QDBusMessage& message, const QDBusConnection& connection)
{
    if (message.interface() == kName && message.member() == QStringLiteral("OpenSettings")) {
        ++openSettingsCalls;
        connection.send(message.createReply());
    } else {
        connection.send(message.createErrorReply(QStringLiteral("org.freedesktop.DBus.Error.UnknownMethod"), {}));
    }
    return true;
}

} // namespace horalet::testing
