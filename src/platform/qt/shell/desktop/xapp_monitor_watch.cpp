#include "platform/qt/shell/desktop/xapp_monitor_watch.h"

#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace horalet::platform::qt {

namespace {

const QString kMonitorPrefix = QStringLiteral("org.x.StatusIconMonitor.");

} // namespace

XAppMonitorWatch::XAppMonitorWatch(QDBusConnection bus, std::function<void(bool)> presenceChanged)
    : bus_(std::move(bus))
    , presenceChanged_(std::move(presenceChanged))
{
    // Qt's service watcher takes no name patterns here, so the bus's own
    // signal is followed; names change seldom on a session bus.
    const QString daemon = QStringLiteral("org.freedesktop.DBus");
    bus_.connect(daemon, QStringLiteral("/org/freedesktop/DBus"), daemon, QStringLiteral("NameOwnerChanged"), this,
        SLOT(ownerChanged(QString, QString, QString)));
}

void XAppMonitorWatch::start()
{
    // Names that change while the answer is on its way arrive after it, so
    // the answer and the changes apply in order.
    auto* pending = new QDBusPendingCallWatcher(bus_.interface()->asyncCall(QStringLiteral("ListNames")), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* done) {
        done->deleteLater();
        const QDBusPendingReply<QStringList> reply = *done;
        for (const QString& name : reply.value()) {
            if (name.startsWith(kMonitorPrefix)) {
                monitors_.insert(name);
            }
        }
        update();
    });
}

void XAppMonitorWatch::ownerChanged(const QString& name, const QString&, const QString& newOwner)
{
    if (!name.startsWith(kMonitorPrefix)) {
        return;
    }
    if (newOwner.isEmpty()) {
        monitors_.remove(name);
    } else {
        monitors_.insert(name);
    }
    if (present_) {
        update();
    }
}

void XAppMonitorWatch::update()
{
    const bool present = !monitors_.isEmpty();
    if (present_ == present) {
        return;
    }
    present_ = present;
    presenceChanged_(present);
}

} // namespace horalet::platform::qt
