#include "platform/qt/shell/desktop/xapp_icon_manager.h"

#include <QDBusMetaType>

#include "platform/qt/shell/desktop/xapp_status_icon.h"

namespace horalet::platform::qt {

XAppIconManager::XAppIconManager(const XAppStatusIcon& icon)
    : icon_(icon)
{
    qDBusRegisterMetaType<DBusInterfaceProperties>();
    qDBusRegisterMetaType<DBusManagedObjects>();
}

DBusManagedObjects XAppIconManager::GetManagedObjects() const
{
    return {{QDBusObjectPath(XAppStatusIcon::objectPath()), {{XAppStatusIcon::interfaceName(), icon_.properties()}}}};
}

} // namespace horalet::platform::qt
