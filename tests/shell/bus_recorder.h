#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QObject>

namespace horalet::testing {

// Records every signal of one interface that a connection receives.
class BusRecorder final : public QObject {
    Q_OBJECT

public:
    BusRecorder(QDBusConnection connection, const QString& path, const QString& interface, const QString& name);

    QList<QDBusMessage> messages;

public Q_SLOTS:
    void received(const QDBusMessage& message) { messages << message; }
};

} // namespace horalet::testing
