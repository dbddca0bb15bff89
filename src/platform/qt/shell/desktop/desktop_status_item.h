#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QDBusConnection>
#include <QPoint>
#include <QStringList>
#include <QTimer>

#include "platform/qt/shell/desktop/dbus_menu_exporter.h"
#include "platform/qt/shell/desktop/label_guide.h"
#include "platform/qt/shell/desktop/plasma_widget_presence.h"
#include "platform/qt/shell/desktop/qt_menu.h"
#include "platform/qt/shell/desktop/status_icon_style.h"
#include "platform/qt/shell/desktop/status_notifier_item.h"
#include "platform/qt/shell/desktop/status_notifier_registration.h"
#include "platform/qt/shell/desktop/status_window.h"
#include "platform/qt/shell/desktop/theme_icon.h"
#include "platform/qt/shell/desktop/xapp_status_item.h"
#include "platform/shell/status_bar.h"

namespace horalet::platform::qt {

// How the status window is shown: `place` remembers where the user left
// it; `chosen` shows it always, and the item stays off the bus.
struct StatusWindowOptions {
    StatusWindowPlace* place = nullptr;
    bool chosen = false;
};

// What the desktop's status items are made of: the session bus (none
// connected: the status window alone), the label guide they share, the icon
// panels look up by name, the session's desktops as XDG_CURRENT_DESKTOP
// names them, what a middle click on the panel's item does, and how the
// status window is shown.
struct StatusItemParts {
    QDBusConnection bus;
    LabelGuide& guide;
    ThemeIcon icon;
    QStringList desktops;
    std::function<void()> openSettings;
    StatusWindowOptions window;
};

// The status item on a desktop: a StatusNotifierItem on the session bus
// with its menu over dbusmenu, and, while no panel hosts such items (or
// there is no session bus), a status window with the same title and menu.
// While an XApp status applet runs (Cinnamon), an XApp status icon shows
// the title as its label instead, and the notifier item leaves the bus.
class DesktopStatusItem final : public shell::StatusItem, public shell::StatusBarButton {
public:
    // `itemService` is the bus name the notifier item takes.
    DesktopStatusItem(const StatusItemParts& parts, QString itemService);
    ~DesktopStatusItem() override;

    shell::StatusBarButton* button() override { return this; }
    void setMenu(std::shared_ptr<shell::Menu> menu) override;
    std::shared_ptr<shell::Menu> menu() const override { return menu_; }

    const std::string& title() const override { return title_; }
    void setTitle(const std::string& title) override;
    // The tooltip's text, and the time on the clock face where the panel
    // shows only the icon.
    void setGlance(const shell::StatusGlance& glance) override;
    std::optional<shell::Font> font() const override { return font_; }
    void setFont(const shell::Font& font) override;

    // Pops up this program's own menu at a point on the screen, for hosts
    // that ask the item to show its menu rather than drawing it themselves.
    void openMenuAt(const QPoint& point);

    // None without a session bus.
    const XAppStatusItem* xappItem() const { return xapp_.get(); }

    const StatusNotifierItem& notifierItem() const { return notifierItem_; }
    // None until the item needed one.
    const StatusWindow* statusWindow() const { return window_.get(); }
    bool showsWindow() const { return window_ && window_->isVisible(); }
    // Whether the session bus has told of a panel host since the item began.
    bool hadHost() const { return hadHost_; }
    // The icon the item shows for the panel that hosts it; the face where
    // there is no bus to ask.
    StatusIconStyle iconStyle() const
    {
        return iconStyleWatch_ ? iconStyleWatch_->style() : StatusIconStyle::clockFace;
    }

private:
    void hostPresenceChanged(bool present);
    void showWindow(const char* reason);
    void showIcon();
    void xappShown(bool shown);
    void putNotifierItemOnBus();

    QDBusConnection bus_;
    QString itemService_;
    LabelGuide& guide_;
    StatusWindowOptions windowOptions_;
    std::string title_;
    std::optional<shell::Font> font_;
    std::shared_ptr<shell::Menu> menu_;
    StatusNotifierItem notifierItem_;
    std::unique_ptr<DBusMenuExporter> exporter_;
    std::unique_ptr<QtMenu> qtMenu_;
    std::unique_ptr<StatusWindow> window_;
    std::unique_ptr<StatusNotifierRegistration> registration_;
    std::unique_ptr<StatusIconStyleWatch> iconStyleWatch_;
    std::optional<shell::StatusGlance> glance_;
    // The hour and minute the face shows, while it shows one.
    std::optional<std::pair<int, int>> faceShown_;
    std::unique_ptr<PlasmaWidgetPresence> plasmaWidget_;
    QTimer hostGone_;
    bool hadHost_ = false;
    std::unique_ptr<XAppStatusItem> xapp_;
    QTimer menuWait_;
    QPoint menuPoint_;
    int menuWaits_ = 0;
};

} // namespace horalet::platform::qt
