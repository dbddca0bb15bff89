#include "platform/qt/shell/desktop/status_notifier_item.h"

#include <utility>

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
    announceToolTip();
}

void StatusNotifierItem::setToolTipText(const QString& text)
{
    if (text == toolTipText_) {
        return;
    }
    toolTipText_ = text;
    announceToolTip();
}

void StatusNotifierItem::setIconOverride(std::optional<StatusIconPixmapList> pixmaps)
{
    iconOverride_ = std::move(pixmaps);
    Q_EMIT NewIcon();
}

void StatusNotifierItem::announceToolTip()
{
    if (std::exchange(toolTipAnnounced_, true)) {
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this] {
            toolTipAnnounced_ = false;
            Q_EMIT NewToolTip();
        },
        Qt::QueuedConnection);
}

} // namespace horalet::platform::qt
