#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>

namespace horalet::testing {

// Prints "<seconds since the epoch> <label>" for every new label a status
// item announces, at once.
class LabelPrinter final : public QObject {
    Q_OBJECT

public:
    explicit LabelPrinter(QDBusConnection connection);

public Q_SLOTS:
    void received(const QDBusMessage& message);
};

} // namespace horalet::testing
