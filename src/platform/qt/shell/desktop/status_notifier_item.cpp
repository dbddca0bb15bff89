#include "platform/qt/shell/desktop/status_notifier_item.h"

#include <utility>

#include <QCursor>
#include <QGuiApplication>

namespace horalet::platform::qt {

StatusNotifierItem::StatusNotifierItem(
    QString id, ThemeIcon themeIcon, StatusIconPixmapList icon, QDBusObjectPath menu, StatusItemClicks clicks)
    : id_(std::move(id))
    , themeIcon_(std::move(themeIcon))
    , icon_(std::move(icon))
    , menu_(std::move(menu))
    , clicks_(std::move(clicks))
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

void StatusNotifierItem::Activate(int x, int y)
{
    // A click on the item brought the call, so on X11 the pointer is on the
    // item and the menu opens there: panels disagree about the point they
    // send (MATE's notification area sends its own corner). On Wayland no
    // program knows where the pointer is, and the point is all there is.
    const bool pointerKnown = QGuiApplication::platformName() == QLatin1String("xcb");
    clicks_.openMenu(pointerKnown ? QCursor::pos() : QPoint(x, y));
}

void StatusNotifierItem::ContextMenu(int x, int y)
{
    Activate(x, y);
}

void StatusNotifierItem::SecondaryActivate(int, int)
{
    if (clicks_.openSettings) {
        clicks_.openSettings();
    }
}

void StatusNotifierItem::Scroll(int, const QString&)
{
}

void StatusNotifierItem::ProvideXdgActivationToken(const QString& token)
{
    // Qt's Wayland shell takes the token from here when a window asks to be
    // activated next, and then clears it. X11 has no such token.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    }
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
