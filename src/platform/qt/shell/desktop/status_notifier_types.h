#pragma once

#include <QByteArray>
#include <QDBusArgument>
#include <QList>
#include <QString>

namespace horalet::platform::qt {

// The structures of org.kde.StatusNotifierItem.

// (iiay): width, height and ARGB32 pixels in network byte order.
struct StatusIconPixmap {
    int width = 0;
    int height = 0;
    QByteArray bytes;
};
using StatusIconPixmapList = QList<StatusIconPixmap>;

// (sa(iiay)ss): icon name, icon pixmaps, title, description.
struct StatusToolTip {
    QString iconName;
    StatusIconPixmapList iconPixmaps;
    QString title;
    QString description;
};

QDBusArgument& operator<<(QDBusArgument& argument, const StatusIconPixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& argument, StatusIconPixmap& pixmap);
QDBusArgument& operator<<(QDBusArgument& argument, const StatusToolTip& toolTip);
const QDBusArgument& operator>>(const QDBusArgument& argument, StatusToolTip& toolTip);

void registerStatusNotifierTypes();

} // namespace horalet::platform::qt

Q_DECLARE_METATYPE(horalet::platform::qt::StatusIconPixmap)
Q_DECLARE_METATYPE(horalet::platform::qt::StatusIconPixmapList)
Q_DECLARE_METATYPE(horalet::platform::qt::StatusToolTip)
