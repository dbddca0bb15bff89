#include "platform/qt/shell/desktop/gnome_host_hint.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

#include "build_info.h"
#include "platform/foundation/log.h"
#include "platform/qt/shell/desktop/status_notifier_registration.h"

namespace horalet::platform::qt {

bool desktopIsGnome(const QStringList& desktops)
{
    // Budgie and GNOME Flashback name GNOME too, but draw their own panels:
    // the GNOME Shell extension would not help there.
    const auto named
        = [&desktops](const char* desktop) { return desktops.contains(QLatin1String(desktop), Qt::CaseInsensitive); };
    return named("GNOME") && !named("Budgie") && !named("GNOME-Flashback");
}

GnomeHostHint::GnomeHostHint(QDBusConnection bus, PreferencesStore& store, Setting<bool> given, QString icon,
    std::chrono::milliseconds grace, std::function<void(Outcome)> finished)
    : bus_(std::move(bus))
    , store_(store)
    , given_(given)
    , icon_(std::move(icon))
    , finished_(std::move(finished))
{
    if (store_.boolForKey(given_)) {
        finish(Outcome::toldBefore);
        return;
    }
    if (!bus_.isConnected() || bus_.interface()->isServiceRegistered(StatusNotifierRegistration::watcherService())) {
        finish(Outcome::hostPresent);
        return;
    }
    hostWatch_.setConnection(bus_);
    hostWatch_.setWatchMode(QDBusServiceWatcher::WatchForRegistration);
    hostWatch_.addWatchedService(StatusNotifierRegistration::watcherService());
    QObject::connect(&hostWatch_, &QDBusServiceWatcher::serviceRegistered, &hostWatch_, [this] {
        grace_.stop();
        finish(Outcome::hostPresent);
    });
    grace_.setSingleShot(true);
    grace_.setInterval(grace);
    QObject::connect(&grace_, &QTimer::timeout, &grace_, [this] { tell(); });
    grace_.start();
}

QString GnomeHostHint::summary()
{
    return QStringLiteral("Horalet：顶栏里还没有时钟");
}

QString GnomeHostHint::body()
{
    return QStringLiteral("GNOME 要有 AppIndicator 扩展才能在顶栏显示时钟：请安装 gnome-shell-extension-appindicator，"
                          "然后在“扩展”（Extensions）应用里启用它，或注销后重新登录。"
                          "在此之前，时钟显示在一个小窗口里。");
}

void GnomeHostHint::tell()
{
    // Once the notification is on its way, a host that turns up can no
    // longer take it back: the hint ends with the call's answer alone.
    hostWatch_.setWatchedServices({});
    QDBusMessage notify = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"), QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("Notify"));
    notify << QStringLiteral("Horalet") << 0U << icon_ << summary() << body() << QStringList()
           << QVariantMap{{QStringLiteral("desktop-entry"), QString::fromLatin1(build::kApplicationId)}} << -1;
    // The desktop starts its own notification service; asking the bus to
    // start one could start another desktop's (Plasma's waits for a name
    // that never comes).
    notify.setAutoStartService(false);
    auto* call = new QDBusPendingCallWatcher(bus_.asyncCall(notify), &grace_);
    QObject::connect(call, &QDBusPendingCallWatcher::finished, call, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusPendingReply<uint> reply = *done;
        if (reply.isError()) {
            log::warning((summary() + QStringLiteral("。") + body()).toStdString());
            finish(Outcome::notTold);
            return;
        }
        store_.setBool(given_, true);
        finish(Outcome::told);
    });
}

void GnomeHostHint::finish(Outcome outcome)
{
    hostWatch_.setWatchedServices({});
    if (finished_) {
        finished_(outcome);
    }
}

} // namespace horalet::platform::qt
