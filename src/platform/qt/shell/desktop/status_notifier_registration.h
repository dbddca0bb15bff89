#pragma once

#include <functional>
#include <optional>

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>

namespace horalet::platform::qt {

// Keeps an item registered with the panel's org.kde.StatusNotifierWatcher:
// now, and again whenever a watcher appears or restarts. Tells whether a
// host (a panel that shows items) is there to show it.
class StatusNotifierRegistration final : public QObject {
    Q_OBJECT

public:
    StatusNotifierRegistration(QDBusConnection bus, QString itemService, std::function<void(bool)> hostPresent);

    void start();
    std::optional<bool> hostPresent() const { return hostPresent_; }

    static QString watcherService() { return QStringLiteral("org.kde.StatusNotifierWatcher"); }

private Q_SLOTS:
    void hostRegistered();
    void hostUnregistered();

private:
    void registerWithWatcher();
    void askForHost();
    void setHostPresent(bool present);

    QDBusConnection bus_;
    QString itemService_;
    std::function<void(bool)> hostPresentChanged_;
    QDBusServiceWatcher watcherWatch_;
    std::optional<bool> hostPresent_;
};

} // namespace horalet::platform::qt
