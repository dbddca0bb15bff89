#include "qt_test_support.h"

#include <QCoreApplication>
#include <QDBusPendingCallWatcher>
#include <QElapsedTimer>
#include <QUuid>

namespace horalet::testing {

bool spinUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition()) {
        if (elapsed.elapsed() > timeout.count()) {
            return condition();
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

void spinFor(std::chrono::milliseconds duration)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < duration.count()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

PrivateBus::PrivateBus()
{
    daemon_.start(QStringLiteral("dbus-daemon"),
        {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
            QStringLiteral("--print-address=1")});
    daemon_.waitForStarted();
    while (!daemon_.canReadLine() && daemon_.waitForReadyRead(5000)) { }
    address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
}

PrivateBus::~PrivateBus()
{
    for (const QString& name : connections_) {
        QDBusConnection::disconnectFromBus(name);
    }
    daemon_.terminate();
    daemon_.waitForFinished();
}

QDBusConnection PrivateBus::connect(const QString& name)
{
    const QString unique = name + QLatin1Char('-') + QUuid::createUuid().toString(QUuid::WithoutBraces);
    connections_ << unique;
    return QDBusConnection::connectToBus(address_, unique);
}

QDBusMessage PrivateBus::call(QDBusConnection& connection, const QDBusMessage& message)
{
    QDBusPendingCallWatcher watcher(connection.asyncCall(message, 5000));
    spinUntil([&watcher] { return watcher.isFinished(); }, std::chrono::milliseconds(6000));
    return watcher.reply();
}

} // namespace horalet::testing
