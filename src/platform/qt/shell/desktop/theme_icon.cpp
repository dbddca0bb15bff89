#include "platform/qt/shell/desktop/theme_icon.h"

#include <QStandardPaths>

#include "build_info.h"

namespace horalet::platform::qt {

QString installedIconName()
{
    const QString name = QString::fromLatin1(build::kApplicationId);
    const QString icon = QStringLiteral("icons/hicolor/scalable/apps/%1.svg").arg(name);
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, icon).isEmpty() ? QString() : name;
}

} // namespace horalet::platform::qt
