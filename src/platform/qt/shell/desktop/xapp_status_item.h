#pragma once

#include <functional>

#include <QDBusConnection>
#include <QPoint>
#include <QString>

#include "platform/qt/shell/desktop/xapp_icon_manager.h"
#include "platform/qt/shell/desktop/xapp_monitor_watch.h"
#include "platform/qt/shell/desktop/xapp_status_icon.h"

namespace horalet::platform::qt {

// The clock as an XApp status icon, on the bus exactly while an XApp
// status applet is there to show it. Before it comes and after it goes,
// `shownChanged` tells the owner, so that the owner's other ways of
// showing the clock never stand beside it.
class XAppStatusItem {
public:
    XAppStatusItem(QDBusConnection bus, QString iconName, XAppStatusIcon::OpenMenu openMenu,
        std::function<void(bool)> shownChanged);
    ~XAppStatusItem();
    XAppStatusItem(const XAppStatusItem&) = delete;
    XAppStatusItem& operator=(const XAppStatusItem&) = delete;

    // Looks for an applet; the first answer reaches `shownChanged`.
    void start();
    void setLabel(const QString& label) { icon_.setLabel(label); }
    void setToolTip(const QString& toolTip) { icon_.setToolTip(toolTip); }
    bool isShown() const { return shown_; }
    const XAppStatusIcon& icon() const { return icon_; }

    // Unique to this process, as two clocks in one session may briefly meet.
    static QString serviceName();

private:
    void monitorPresenceChanged(bool present);
    void show();
    void hide();

    QDBusConnection bus_;
    std::function<void(bool)> shownChanged_;
    XAppStatusIcon icon_;
    XAppIconManager manager_;
    XAppMonitorWatch monitors_;
    bool shown_ = false;
};

} // namespace horalet::platform::qt
