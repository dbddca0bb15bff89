#include "platform/qt/shell/desktop/qt_menu.h"

#include <QGuiApplication>
#include <QTimer>

namespace horalet::platform::qt {

QtMenu::QtMenu(std::shared_ptr<shell::Menu> menu)
    : menu_(std::move(menu))
{
    for (const auto& item : menu_->items()) {
        QAction* action = item->isSeparator() ? widget_.addSeparator() : widget_.addAction(QString());
        if (!item->keyEquivalent().empty()) {
            action->setShortcut(QKeySequence(QStringLiteral("Ctrl+") + QString::fromStdString(item->keyEquivalent())));
        }
        // After the menu has closed; the menu's own widget is the context,
        // so a menu gone by then takes the call with it.
        QObject::connect(action, &QAction::triggered, &widget_,
            [this, item] { QTimer::singleShot(0, &widget_, [item] { item->perform(); }); });
        actions_.push_back(action);
        update(actions_.size() - 1);
    }
    QObject::connect(&widget_, &QMenu::aboutToShow, &widget_, [this] {
        menu_->willOpen();
        // On Wayland a menu that no window of this program parents becomes
        // a window of its own; with a fixed size, tiling compositors (sway)
        // float it instead of spreading it over the screen.
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
            widget_.setFixedSize(widget_.sizeHint());
        }
    });
}

void QtMenu::itemChanged(const shell::MenuItem& item)
{
    const auto& items = menu_->items();
    for (std::size_t index = 0; index < items.size() && index < actions_.size(); ++index) {
        if (items[index].get() == &item) {
            update(index);
        }
    }
}

void QtMenu::update(std::size_t index)
{
    const shell::MenuItem& item = *menu_->items()[index];
    QAction& action = *actions_[index];
    action.setVisible(!item.isHidden());
    if (item.isSeparator()) {
        return;
    }
    // A literal ampersand is doubled; QMenu would take it for a mnemonic.
    action.setText(QString::fromStdString(item.title()).replace(QLatin1Char('&'), QStringLiteral("&&")));
    action.setEnabled(item.isEnabled());
    action.setCheckable(item.state() == shell::ItemState::on);
    action.setChecked(item.state() == shell::ItemState::on);
}

} // namespace horalet::platform::qt
