#pragma once

#include <chrono>
#include <functional>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QString>

namespace horalet::testing {

// Runs the Qt event loop until the condition holds or the time is up;
// answers the condition's last value.
bool spinUntil(
    const std::function<bool()>& condition, std::chrono::milliseconds timeout = std::chrono::milliseconds(3000));

// Runs the Qt event loop for a while.
void spinFor(std::chrono::milliseconds duration);

// A private session bus for one test: a dbus-daemon of its own, stopped at
// the end. Connections made here are closed with it.
class PrivateBus {
public:
    PrivateBus();
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;
    ~PrivateBus();

    const QString& address() const { return address_; }
    // A new connection of its own, under a name unique to this bus.
    QDBusConnection connect(const QString& name);

    // Calls and waits for the answer while the event loop keeps running, so
    // objects of this very process can answer.
    static QDBusMessage call(QDBusConnection& connection, const QDBusMessage& message);

private:
    QProcess daemon_;
    QString address_;
    QStringList connections_;
};

} // namespace horalet::testing
