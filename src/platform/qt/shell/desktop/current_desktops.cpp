#include "platform/qt/shell/desktop/current_desktops.h"

#include <QtGlobal>

namespace horalet::platform::qt {

QStringList desktopsNamed(QStringView value)
{
    QStringList desktops;
    for (const QStringView desktop : value.split(u':', Qt::SkipEmptyParts)) {
        desktops.append(desktop.toString());
    }
    return desktops;
}

QStringList currentDesktops()
{
    return desktopsNamed(qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
}

} // namespace horalet::platform::qt
