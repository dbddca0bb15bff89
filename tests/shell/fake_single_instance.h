#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>

namespace horalet::testing {

// The session's running clock as the bus sees it: holds the single-instance
// name and counts the requests to open its settings window.
class FakeSingleInstance final : public QDBusVirtualObject {
public:
    explicit FakeSingleInstance(QDBusConnection connection);
    ~FakeSingleInstance() override;

    int openSettingsCalls = 0;

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    QDBusConnection connection_;
};

} // namespace horalet::testing
