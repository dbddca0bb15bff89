#include "platform/qt/shell/desktop/status_notifier_item.h"

namespace horalet::platform::qt {

StatusNotifierItem::StatusNotifierItem(QString id, QString iconName, StatusIconPixmapList icon, QDBusObjectPath menu)
    : id_(std::move(id))
    , iconName_(std::move(iconName))
    , icon_(std::move(icon))
    , menu_(std::move(menu))
{
    registerStatusNotifierTypes();
}

void StatusNotifierItem::setTitle(const QString& title, const QString& labelGuide)
{
    if (title == title_ && labelGuide == labelGuide_) {
        return;
    }
    title_ = title;
    labelGuide_ = labelGuide;
    // Some panels take the text from the signal alone, so it carries it.
    Q_EMIT XAyatanaNewLabel(title_, labelGuide_);
    Q_EMIT NewTitle();
    Q_EMIT NewToolTip();
}

void StatusNotifierItem::setPassive(bool passive)
{
    if (passive == passive_) {
        return;
    }
    passive_ = passive;
    Q_EMIT NewStatus(status());
}

} // namespace horalet::platform::qt
