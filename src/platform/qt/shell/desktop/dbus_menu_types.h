#pragma once

#include <QDBusArgument>
#include <QDBusVariant>
#include <QList>
#include <QStringList>
#include <QVariantMap>

namespace horalet::platform::qt {

// The structures com.canonical.dbusmenu sends and receives.

// (ia{sv}av): an item, its properties and its children, each child a
// variant holding the same structure.
struct DBusMenuLayoutItem {
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuLayoutItem> children;
};

// (ia{sv})
struct DBusMenuItem {
    int id = 0;
    QVariantMap properties;
};
using DBusMenuItemList = QList<DBusMenuItem>;

// (ias): the properties an item no longer has.
struct DBusMenuItemKeys {
    int id = 0;
    QStringList properties;
};
using DBusMenuItemKeysList = QList<DBusMenuItemKeys>;

// (isvu)
struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};
using DBusMenuEventList = QList<DBusMenuEvent>;

// aas: the keys of a shortcut, e.g. [["Control", "q"]].
using DBusMenuShortcut = QList<QStringList>;

QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuLayoutItem& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuLayoutItem& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItem& item);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItem& item);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuItemKeys& keys);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuItemKeys& keys);
QDBusArgument& operator<<(QDBusArgument& argument, const DBusMenuEvent& event);
const QDBusArgument& operator>>(const QDBusArgument& argument, DBusMenuEvent& event);

// Makes the types known to QtDBus; without it the methods and signals that
// use them are left out of the exported interface without a word.
void registerDBusMenuTypes();

} // namespace horalet::platform::qt

Q_DECLARE_METATYPE(horalet::platform::qt::DBusMenuLayoutItem)
Q_DECLARE_METATYPE(horalet::platform::qt::DBusMenuItem)
Q_DECLARE_METATYPE(horalet::platform::qt::DBusMenuItemList)
Q_DECLARE_METATYPE(horalet::platform::qt::DBusMenuItemKeys)
Q_DECLARE_METATYPE(horalet::platform::qt::DBusMenuItemKeysList)
Q_DECLARE_METATYPE(horalet::platform::qt::DBusMenuEvent)
Q_DECLARE_METATYPE(horalet::platform::qt::DBusMenuEventList)
Q_DECLARE_METATYPE(horalet::platform::qt::DBusMenuShortcut)
