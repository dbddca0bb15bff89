#pragma once

#include <memory>
#include <set>

#include <QDBusContext>
#include <QHash>
#include <QObject>
#include <QTimer>

#include "platform/qt/shell/desktop/dbus_menu_types.h"
#include "platform/shell/menu.h"

namespace horalet::platform::qt {

// Shows a menu to the panel over com.canonical.dbusmenu. The root has id 0
// and every item the id of its place plus one, so ids stay stable. Before
// the panel opens the menu (AboutToShow, or the "opened" event) the menu's
// delegate fills it in, and the changed items are announced before the
// answer goes out; a chosen item runs its action once the answer is out.
class DBusMenuExporter final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    explicit DBusMenuExporter(std::shared_ptr<shell::Menu> menu);

    // Announces a change of one item (the menu's change listener).
    void itemChanged(const shell::MenuItem& item);

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

    static QString objectPath() { return QStringLiteral("/MenuBar"); }

public Q_SLOTS:
    // Types spelled in full: QtDBus matches them by the name written here.
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
        horalet::platform::qt::DBusMenuLayoutItem& layout);
    horalet::platform::qt::DBusMenuItemList GetGroupProperties(const QList<int>& ids, const QStringList& propertyNames);
    QDBusVariant GetProperty(int id, const QString& name);
    void Event(int id, const QString& eventId, const QDBusVariant& data, uint timestamp);
    QList<int> EventGroup(const horalet::platform::qt::DBusMenuEventList& events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

Q_SIGNALS:
    void ItemsPropertiesUpdated(const horalet::platform::qt::DBusMenuItemList& updatedProps,
        const horalet::platform::qt::DBusMenuItemKeysList& removedProps);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

private:
    bool knows(int id) const;
    QVariantMap propertiesOf(int id) const;
    DBusMenuLayoutItem layoutOf(int id, int depth, const QStringList& names) const;
    bool handleEvent(int id, const QString& eventId);
    void refreshBeforeOpening();
    void announceChanges();

    std::shared_ptr<shell::Menu> menu_;
    QHash<int, QVariantMap> announced_;
    std::set<int> changed_;
    QTimer announceSoon_;
    uint revision_ = 1;
};

} // namespace horalet::platform::qt
