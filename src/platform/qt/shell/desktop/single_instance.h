#pragma once

#include <functional>

#include <QDBusConnection>
#include <QObject>

namespace horalet::platform::qt {

// One clock per session: the first instance holds a name on the session
// bus and answers OpenSettings there; a later one asks it to open its
// settings window instead of starting a second clock.
class SingleInstance final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.horalet.Horalet")

public:
    enum class Claim {
        ours, // this process is the one instance
        handedOff, // another instance runs and was asked to open its settings
        unanswered, // another instance holds the name but did not answer
        noBus, // no session bus: nothing to coordinate with
    };

    SingleInstance(QDBusConnection bus, std::function<void()> openSettings);

    Claim claim();

    // From a process that is no clock of its own (a status bar's line):
    // asks the session bus's running clock, if any, to open its settings.
    static void askRunningInstanceToOpenSettings();

    static QString serviceName() { return QStringLiteral("org.horalet.Horalet"); }
    static QString objectPath() { return QStringLiteral("/org/horalet/Horalet"); }

public Q_SLOTS:
    Q_SCRIPTABLE void OpenSettings();

private:
    static QDBusMessage openSettingsCall();
    bool askRunningInstance();

    QDBusConnection bus_;
    std::function<void()> openSettings_;
};

} // namespace horalet::platform::qt
