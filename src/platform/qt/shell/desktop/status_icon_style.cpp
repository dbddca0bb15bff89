#include "platform/qt/shell/desktop/status_icon_style.h"

#include <array>

#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QFile>
#include <QFileInfo>

#include "platform/qt/shell/desktop/status_notifier_registration.h"

namespace horalet::platform::qt {

namespace {

// The kernel keeps a command name of at most this many characters.
constexpr qsizetype kCommandNameLength = 15;

// The processes that own the watcher where the panel shows the item's
// label: GNOME Shell with its AppIndicator extension, MATE's panel and its
// notification area applet (out of the panel's process), and the Ayatana
// (and older Canonical) indicator service behind the MATE and XFCE
// indicator applets.
constexpr std::array kLabelHosts{
    "gnome-shell",
    "mate-panel",
    "notification-area-applet",
    "ayatana-indicator-application-service",
    "indicator-application-service",
};

bool namesHost(const QString& processName, const QString& host)
{
    return processName == host || (processName.size() == kCommandNameLength && host.startsWith(processName));
}

} // namespace

StatusIconStyle iconStyleForHost(const QString& processName)
{
    for (const char* host : kLabelHosts) {
        if (namesHost(processName, QString::fromLatin1(host))) {
            return StatusIconStyle::plain;
        }
    }
    return StatusIconStyle::clockFace;
}

std::optional<QString> processNameOfOwner(const QDBusConnection& bus, const QString& busName)
{
    const QDBusConnectionInterface* daemon = bus.interface();
    if (daemon == nullptr) {
        return std::nullopt;
    }
    const QDBusReply<uint> pid = daemon->servicePid(busName);
    if (!pid.isValid()) {
        return std::nullopt;
    }
    const QString process = QStringLiteral("/proc/%1/").arg(pid.value());
    QFile commandFile(process + QStringLiteral("comm"));
    if (!commandFile.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QString command = QString::fromUtf8(commandFile.readAll()).trimmed();
    if (command.size() < kCommandNameLength) {
        return command;
    }
    const QString executable = QFileInfo(process + QStringLiteral("exe")).symLinkTarget();
    return executable.isEmpty() ? command : QFileInfo(executable).fileName();
}

StatusIconStyleWatch::StatusIconStyleWatch(QDBusConnection bus, std::function<void(StatusIconStyle)> changed)
    : bus_(std::move(bus))
    , changed_(std::move(changed))
    , ownerWatch_(StatusNotifierRegistration::watcherService(), bus_, QDBusServiceWatcher::WatchForOwnerChange)
{
    connect(&ownerWatch_, &QDBusServiceWatcher::serviceOwnerChanged, this,
        [this](const QString&, const QString&, const QString& newOwner) {
            if (newOwner.isEmpty()) {
                return;
            }
            if (const StatusIconStyle style = detect(); style != style_) {
                style_ = style;
                changed_(style_);
            }
        });
    style_ = detect();
}

StatusIconStyle StatusIconStyleWatch::detect() const
{
    const std::optional<QString> owner = processNameOfOwner(bus_, StatusNotifierRegistration::watcherService());
    return owner ? iconStyleForHost(*owner) : StatusIconStyle::clockFace;
}

} // namespace horalet::platform::qt
