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
//
// The item registers by its object path, so watchers know it by this
// connection's unique name. Registered by a well-known name, GNOME's
// AppIndicator extension also follows that name, and its first news of the
// name races with its own first reading of the item: about one start in
// three, it drops the item and the top bar stays empty.
class StatusNotifierRegistration final : public QObject {
    Q_OBJECT

public:
    StatusNotifierRegistration(QDBusConnection bus, QString itemPath, std::function<void(bool)> hostPresent);

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
    QString itemPath_;
    std::function<void(bool)> hostPresentChanged_;
    QDBusServiceWatcher watcherWatch_;
    std::optional<bool> hostPresent_;
};

} // namespace horalet::platform::qt
