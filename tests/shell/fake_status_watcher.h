#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QStringList>

namespace horalet::testing {

// A panel's org.kde.StatusNotifierWatcher on its own connection: records
// the items that register and says whether a host is there.
class FakeStatusWatcher final : public QDBusVirtualObject {
public:
    explicit FakeStatusWatcher(QDBusConnection connection);
    ~FakeStatusWatcher() override;

    // Takes the watcher's name (again), as a panel that starts or restarts.
    void start();
    void stop();
    // A host comes (announced with the watcher's signal) or is there from the start.
    void setHostRegistered(bool registered, bool announce);

    // Each item as "service/path", the service a unique name where the item
    // gave its path alone.
    QStringList registrations;

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    QDBusConnection connection_;
    bool hostRegistered_ = false;
};

} // namespace horalet::testing
