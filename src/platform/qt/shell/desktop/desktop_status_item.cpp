#include "platform/qt/shell/desktop/desktop_status_item.h"

#include "build_info.h"
#include "platform/foundation/log.h"
#include "platform/qt/shell/desktop/clock_face.h"
#include "platform/qt/shell/desktop/clock_icon.h"
#include "platform/qt/shell/desktop/pointer_buttons.h"
#include "platform/qt/shell/desktop/theme_icon.h"

namespace horalet::platform::qt {

namespace {

// A panel that restarts leaves for a moment; the window waits that long
// before it stands in.
constexpr std::chrono::seconds kHostGoneGrace{3};

// How often, and how many times at most, a menu asked for during a click
// looks again whether the click has ended.
constexpr std::chrono::milliseconds kMenuWaitStep{20};
constexpr int kMenuWaitSteps = 150;

} // namespace

DesktopStatusItem::DesktopStatusItem(const StatusItemParts& parts, QString itemService)
    : bus_(parts.window.chosen ? QDBusConnection(QString()) : parts.bus)
    , itemService_(std::move(itemService))
    , guide_(parts.guide)
    , windowOptions_(parts.window)
    , notifierItem_(QString::fromLatin1(build::kApplicationId), parts.icon, clockIconPixmaps(),
          QDBusObjectPath(DBusMenuExporter::objectPath()),
          StatusItemClicks{[this](const QPoint& point) { openMenuAt(point); }, parts.openSettings})
{
    menuWait_.setInterval(kMenuWaitStep);
    QObject::connect(&menuWait_, &QTimer::timeout, &menuWait_, [this] {
        if (!pointerButtonHeld() || ++menuWaits_ >= kMenuWaitSteps) {
            menuWait_.stop();
            qtMenu_->widget().popup(menuPoint_);
        }
    });
    hostGone_.setSingleShot(true);
    hostGone_.setInterval(kHostGoneGrace);
    QObject::connect(&hostGone_, &QTimer::timeout, &hostGone_, [this] {
        hadHost_ = false;
        showWindow("状态栏托盘已退出");
    });
    if (!bus_.isConnected()) {
        showWindow(parts.window.chosen ? nullptr : "没有会话总线");
        return;
    }
    plasmaWidget_ = PlasmaWidgetPresence::forSession(parts.desktops, [this](bool present) {
        notifierItem_.setPassive(present);
        showIcon();
    });
    putNotifierItemOnBus();
    iconStyleWatch_ = std::make_unique<StatusIconStyleWatch>(bus_, [this](StatusIconStyle) { showIcon(); });
    xapp_ = std::make_unique<XAppStatusItem>(
        bus_, iconFileOrName(parts.icon), [this](const QPoint& point) { openMenuAt(point); },
        [this](bool shown) { xappShown(shown); });
    // Choose once launching has given the item its menu and first title.
    QTimer::singleShot(0, &notifierItem_, [this] { xapp_->start(); });
}

DesktopStatusItem::~DesktopStatusItem()
{
    if (bus_.isConnected()) {
        bus_.unregisterService(itemService_);
        bus_.unregisterObject(StatusNotifierItem::objectPath());
        bus_.unregisterObject(DBusMenuExporter::objectPath());
    }
}

void DesktopStatusItem::setMenu(std::shared_ptr<shell::Menu> menu)
{
    if (bus_.isConnected()) {
        bus_.unregisterObject(DBusMenuExporter::objectPath());
    }
    menu_ = std::move(menu);
    exporter_ = std::make_unique<DBusMenuExporter>(menu_);
    qtMenu_ = std::make_unique<QtMenu>(menu_);
    if (bus_.isConnected()) {
        bus_.registerObject(DBusMenuExporter::objectPath(), exporter_.get(),
            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals | QDBusConnection::ExportAllProperties);
    }
    menu_->setChangeListener([this](const shell::MenuItem& item) {
        exporter_->itemChanged(item);
        qtMenu_->itemChanged(item);
    });
    if (window_) {
        window_->setMenu(&qtMenu_->widget());
    }
}

void DesktopStatusItem::openMenuAt(const QPoint& point)
{
    if (!qtMenu_) {
        return;
    }
    // A panel that asks while its click is still held keeps the pointer to
    // itself: a menu popped up then cannot take the pointer (and Qt cannot
    // tell), so clicking elsewhere would never close it. It waits for the
    // button's release.
    if (pointerButtonHeld()) {
        menuPoint_ = point;
        menuWaits_ = 0;
        menuWait_.start();
        return;
    }
    qtMenu_->widget().popup(point);
}

void DesktopStatusItem::setTitle(const std::string& title)
{
    // Most ticks, and every write to the store of a key the label does not
    // depend on, bring the title and guide it already shows.
    const QString guide = guide_.current();
    if (title == title_ && guide == notifierItem_.labelGuide()) {
        return;
    }
    title_ = title;
    const QString text = QString::fromStdString(title_);
    notifierItem_.setTitle(text, guide);
    if (window_) {
        window_->setTitle(text);
    }
    if (xapp_) {
        xapp_->setLabel(text);
    }
}

void DesktopStatusItem::setGlance(const shell::StatusGlance& glance)
{
    glance_ = glance;
    const QString toolTip = QString::fromStdString(glance.toolTip);
    notifierItem_.setToolTipText(toolTip);
    if (xapp_) {
        xapp_->setToolTip(toolTip);
    }
    showIcon();
}

void DesktopStatusItem::showIcon()
{
    // Only a panel that shows the notifier item's icon alone sees the face:
    // off the bus (no bus, the window chosen, the XApp icon in its place)
    // or tucked away behind Plasma's widget, drawing it would be wasted.
    const bool seen = registration_ && !notifierItem_.isPassive();
    if (seen && iconStyle() == StatusIconStyle::clockFace && glance_) {
        const std::pair time{glance_->hour, glance_->minute};
        if (faceShown_ != time) {
            faceShown_ = time;
            notifierItem_.setIconOverride(clockFacePixmaps(time.first, time.second));
        }
    } else if (std::exchange(faceShown_, std::nullopt)) {
        notifierItem_.setIconOverride(std::nullopt);
    }
}

void DesktopStatusItem::setFont(const shell::Font& font)
{
    font_ = font;
    if (window_) {
        window_->setTitleFont(font);
    }
}

void DesktopStatusItem::hostPresenceChanged(bool present)
{
    if (present) {
        hadHost_ = true;
        hostGone_.stop();
        if (window_) {
            window_->hide();
        }
    } else if (hadHost_) {
        hostGone_.start();
    } else {
        showWindow("会话总线上没有状态栏托盘");
    }
}

void DesktopStatusItem::xappShown(bool shown)
{
    if (shown) {
        // Cinnamon's own bridge would show the notifier item beside it.
        registration_.reset();
        bus_.unregisterService(itemService_);
        bus_.unregisterObject(StatusNotifierItem::objectPath());
        showIcon();
        hostPresenceChanged(true);
        return;
    }
    if (!registration_) {
        putNotifierItemOnBus();
        showIcon();
    }
    registration_->start();
}

void DesktopStatusItem::putNotifierItemOnBus()
{
    bus_.registerObject(StatusNotifierItem::objectPath(), &notifierItem_,
        QDBusConnection::ExportAllProperties | QDBusConnection::ExportAllSignals | QDBusConnection::ExportAllSlots);
    bus_.registerService(itemService_);
    registration_ = std::make_unique<StatusNotifierRegistration>(
        bus_, StatusNotifierItem::objectPath(), [this](bool present) { hostPresenceChanged(present); });
}

void DesktopStatusItem::showWindow(const char* reason)
{
    if (!window_) {
        window_ = std::make_unique<StatusWindow>(windowOptions_.place);
        if (font_) {
            window_->setTitleFont(*font_);
        }
        window_->setTitle(QString::fromStdString(title_));
        if (qtMenu_) {
            window_->setMenu(&qtMenu_->widget());
        }
    }
    if (reason != nullptr) {
        log::warning(std::string(reason) + "，时钟改在一个小窗口里显示");
    }
    window_->show();
}

} // namespace horalet::platform::qt
