#include "platform/qt/shell/desktop/xapp_status_item.h"

#include <unistd.h>

#include "build_info.h"

namespace horalet::platform::qt {

XAppStatusItem::XAppStatusItem(
    QDBusConnection bus, QString iconName, XAppStatusIcon::OpenMenu openMenu, std::function<void(bool)> shownChanged)
    : bus_(std::move(bus))
    , shownChanged_(std::move(shownChanged))
    , icon_(bus_, std::move(iconName), std::move(openMenu))
    , manager_(icon_)
    , monitors_(bus_, [this](bool present) { monitorPresenceChanged(present); })
{
}

XAppStatusItem::~XAppStatusItem()
{
    hide();
}

void XAppStatusItem::start()
{
    monitors_.start();
}

QString XAppStatusItem::serviceName()
{
    return QStringLiteral("org.x.StatusIcon.%1_%2").arg(QString::fromLatin1(build::kApplicationId)).arg(::getpid());
}

void XAppStatusItem::monitorPresenceChanged(bool present)
{
    if (present) {
        // The owner takes its other item away first, then this one appears.
        shownChanged_(true);
        show();
        if (!shown_) {
            shownChanged_(false);
        }
    } else {
        hide();
        shownChanged_(false);
    }
}

void XAppStatusItem::show()
{
    bus_.registerObject(XAppIconManager::objectPath(), &manager_, QDBusConnection::ExportAllSlots);
    bus_.registerObject(
        XAppStatusIcon::objectPath(), &icon_, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties);
    shown_ = bus_.registerService(serviceName());
}

void XAppStatusItem::hide()
{
    if (shown_) {
        bus_.unregisterService(serviceName());
    }
    bus_.unregisterObject(XAppIconManager::objectPath(), QDBusConnection::UnregisterTree);
    shown_ = false;
}

} // namespace horalet::platform::qt
