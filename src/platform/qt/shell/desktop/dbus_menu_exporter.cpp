#include "platform/qt/shell/desktop/dbus_menu_exporter.h"

#include <QDBusError>

namespace horalet::platform::qt {

namespace {

// An underscore marks a mnemonic; a literal one is written twice.
QString menuLabel(const std::string& title)
{
    return QString::fromStdString(title).replace(QLatin1Char('_'), QStringLiteral("__"));
}

QVariantMap filtered(const QVariantMap& properties, const QStringList& names)
{
    if (names.isEmpty()) {
        return properties;
    }
    QVariantMap kept;
    for (const QString& name : names) {
        if (properties.contains(name)) {
            kept.insert(name, properties.value(name));
        }
    }
    return kept;
}

} // namespace

DBusMenuExporter::DBusMenuExporter(std::shared_ptr<shell::Menu> menu)
    : menu_(std::move(menu))
{
    registerDBusMenuTypes();
    announceSoon_.setSingleShot(true);
    announceSoon_.setInterval(0);
    connect(&announceSoon_, &QTimer::timeout, this, [this] { announceChanges(); });
    for (int id = 0; knows(id); ++id) {
        announced_.insert(id, propertiesOf(id));
    }
}

void DBusMenuExporter::itemChanged(const shell::MenuItem& item)
{
    const auto& items = menu_->items();
    for (std::size_t index = 0; index < items.size(); ++index) {
        if (items[index].get() == &item) {
            changed_.insert(static_cast<int>(index) + 1);
        }
    }
    announceSoon_.start();
}

bool DBusMenuExporter::knows(int id) const
{
    return id >= 0 && static_cast<std::size_t>(id) <= menu_->items().size();
}

QVariantMap DBusMenuExporter::propertiesOf(int id) const
{
    QVariantMap properties;
    if (id == 0) {
        properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
        return properties;
    }
    const shell::MenuItem& item = *menu_->items()[static_cast<std::size_t>(id) - 1];
    properties.insert(QStringLiteral("visible"), !item.isHidden());
    if (item.isSeparator()) {
        properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
        return properties;
    }
    properties.insert(QStringLiteral("label"), menuLabel(item.title()));
    properties.insert(QStringLiteral("enabled"), item.isEnabled());
    // As in the panel menus of other desktops, an item that is off shows
    // no mark at all; only an item that is on carries the check mark.
    if (item.state() == shell::ItemState::on) {
        properties.insert(QStringLiteral("toggle-type"), QStringLiteral("checkmark"));
        properties.insert(QStringLiteral("toggle-state"), 1);
    }
    if (!item.keyEquivalent().empty()) {
        const DBusMenuShortcut shortcut{{QStringLiteral("Control"), QString::fromStdString(item.keyEquivalent())}};
        properties.insert(QStringLiteral("shortcut"), QVariant::fromValue(shortcut));
    }
    return properties;
}

DBusMenuLayoutItem DBusMenuExporter::layoutOf(int id, int depth, const QStringList& names) const
{
    DBusMenuLayoutItem layout;
    layout.id = id;
    layout.properties = filtered(propertiesOf(id), names);
    if (id == 0 && depth != 0) {
        for (int child = 1; knows(child); ++child) {
            layout.children.append(layoutOf(child, depth - 1, names));
        }
    }
    return layout;
}

uint DBusMenuExporter::GetLayout(
    int parentId, int recursionDepth, const QStringList& propertyNames, DBusMenuLayoutItem& layout)
{
    if (!knows(parentId)) {
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("no menu item with id %1").arg(parentId));
        return revision_;
    }
    if (parentId == 0) {
        // Some panels size the menu from this answer before any refresh
        // arrives, so the texts filled in at opening should be current.
        refreshBeforeOpening();
    }
    layout = layoutOf(parentId, recursionDepth, propertyNames);
    return revision_;
}

DBusMenuItemList DBusMenuExporter::GetGroupProperties(const QList<int>& ids, const QStringList& propertyNames)
{
    DBusMenuItemList items;
    for (const int id : ids) {
        if (knows(id)) {
            items.append(DBusMenuItem{id, filtered(propertiesOf(id), propertyNames)});
        }
    }
    return items;
}

QDBusVariant DBusMenuExporter::GetProperty(int id, const QString& name)
{
    const QVariantMap properties = knows(id) ? propertiesOf(id) : QVariantMap{};
    if (!properties.contains(name)) {
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("item %1 has no property %2").arg(id).arg(name));
        return QDBusVariant(QVariant(0));
    }
    return QDBusVariant(properties.value(name));
}

void DBusMenuExporter::Event(int id, const QString& eventId, const QDBusVariant&, uint)
{
    if (!handleEvent(id, eventId)) {
        sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("no menu item with id %1").arg(id));
    }
}

QList<int> DBusMenuExporter::EventGroup(const DBusMenuEventList& events)
{
    QList<int> idErrors;
    for (const DBusMenuEvent& event : events) {
        if (!handleEvent(event.id, event.eventId)) {
            idErrors.append(event.id);
        }
    }
    return idErrors;
}

bool DBusMenuExporter::AboutToShow(int id)
{
    if (id != 0) {
        return false;
    }
    refreshBeforeOpening();
    return true;
}

QList<int> DBusMenuExporter::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors)
{
    QList<int> updatesNeeded;
    for (const int id : ids) {
        if (!knows(id)) {
            idErrors.append(id);
        } else if (AboutToShow(id)) {
            updatesNeeded.append(id);
        }
    }
    return updatesNeeded;
}

bool DBusMenuExporter::handleEvent(int id, const QString& eventId)
{
    if (!knows(id)) {
        return false;
    }
    if (eventId == QStringLiteral("opened") && id == 0) {
        refreshBeforeOpening();
    } else if (eventId == QStringLiteral("clicked") && id > 0) {
        // The panel may wait for the answer: run the action after it.
        std::shared_ptr<shell::MenuItem> item = menu_->items()[static_cast<std::size_t>(id) - 1];
        QTimer::singleShot(0, this, [item] {
            if (item->isEnabled() && !item->isHidden()) {
                item->perform();
            }
        });
    }
    return true;
}

void DBusMenuExporter::refreshBeforeOpening()
{
    menu_->willOpen();
    announceChanges();
}

void DBusMenuExporter::announceChanges()
{
    announceSoon_.stop();
    DBusMenuItemList updated;
    DBusMenuItemKeysList removed;
    for (const int id : changed_) {
        const QVariantMap now = propertiesOf(id);
        QVariantMap& before = announced_[id];
        QVariantMap differing;
        for (auto it = now.cbegin(); it != now.cend(); ++it) {
            if (before.value(it.key()) != it.value()) {
                differing.insert(it.key(), it.value());
            }
        }
        QStringList gone;
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (!now.contains(it.key())) {
                gone.append(it.key());
            }
        }
        if (!differing.isEmpty()) {
            updated.append(DBusMenuItem{id, differing});
        }
        if (!gone.isEmpty()) {
            removed.append(DBusMenuItemKeys{id, gone});
        }
        before = now;
    }
    changed_.clear();
    if (!updated.isEmpty() || !removed.isEmpty()) {
        Q_EMIT ItemsPropertiesUpdated(updated, removed);
    }
}

} // namespace horalet::platform::qt
