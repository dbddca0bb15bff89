#pragma once

#include <functional>
#include <optional>

#include <QDBusConnection>
#include <QObject>
#include <QSet>

namespace horalet::platform::qt {

// Tells whether an XApp status applet is there to show status icons: each
// one owns a name org.x.StatusIconMonitor.* on the session bus while it runs.
class XAppMonitorWatch final : public QObject {
    Q_OBJECT

public:
    XAppMonitorWatch(QDBusConnection bus, std::function<void(bool)> presenceChanged);

    // Asks the bus for the monitors already there; the first answer, and
    // every change after it, reaches `presenceChanged`.
    void start();
    std::optional<bool> present() const { return present_; }

private Q_SLOTS:
    void ownerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);

private:
    void update();

    QDBusConnection bus_;
    std::function<void(bool)> presenceChanged_;
    QSet<QString> monitors_;
    std::optional<bool> present_;
};

} // namespace horalet::platform::qt
