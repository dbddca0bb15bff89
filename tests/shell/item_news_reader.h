#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>

namespace horalet::testing {

// Reads back what a status item announced, as panels do: the icon's
// pixmaps on NewIcon, the tooltip on NewToolTip, the title on NewTitle.
class ItemNewsReader final : public QObject {
    Q_OBJECT

public:
    explicit ItemNewsReader(QDBusConnection connection);

public Q_SLOTS:
    void received(const QDBusMessage& message);

private:
    QDBusConnection connection_;
};

} // namespace horalet::testing
