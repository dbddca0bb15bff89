#include "platform/qt/shell/desktop/desktop_status_item.h"

#include "build_info.h"
#include "platform/foundation/log.h"
#include "platform/qt/shell/desktop/clock_icon.h"
#include "platform/qt/shell/desktop/theme_icon.h"

namespace horalet::platform::qt {

namespace {

// A panel that restarts leaves for a moment; the window waits that long
// before it stands in.
constexpr std::chrono::seconds kHostGoneGrace{3};

} // namespace

DesktopStatusItem::DesktopStatusItem(QDBusConnection bus, QString itemService, LabelGuide& guide)
    : bus_(std::move(bus))
    , itemService_(std::move(itemService))
    , guide_(guide)
    , notifierItem_(QString::fromLatin1(build::kApplicationId), installedIconName(), clockIconPixmaps(),
          QDBusObjectPath(DBusMenuExporter::objectPath()))
{
    hostGone_.setSingleShot(true);
    hostGone_.setInterval(kHostGoneGrace);
    QObject::connect(&hostGone_, &QTimer::timeout, [this] {
        hadHost_ = false;
        showWindow("状态栏托盘已退出");
    });
    if (!bus_.isConnected()) {
        showWindow("没有会话总线");
        return;
    }
    putNotifierItemOnBus();
    xapp_ = std::make_unique<XAppStatusItem>(
        bus_, xappIconName(notifierItem_.iconName(), notifierItem_.iconThemePath()),
        [this](const QPoint& point) { openMenuAt(point); }, [this](bool shown) { xappShown(shown); });
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
    if (qtMenu_) {
        qtMenu_->widget().popup(point);
    }
}

void DesktopStatusItem::setTitle(const std::string& title)
{
    title_ = title;
    const QString text = QString::fromStdString(title_);
    notifierItem_.setTitle(text, guide_.current());
    if (window_) {
        window_->setTitle(text);
    }
    if (xapp_) {
        xapp_->setLabel(
            text, [this] { return details_ ? QString::fromStdString(details_(title_, true).tooltip) : QString(); });
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
        hostPresenceChanged(true);
        return;
    }
    if (!registration_) {
        putNotifierItemOnBus();
    }
    registration_->start();
}

void DesktopStatusItem::putNotifierItemOnBus()
{
    bus_.registerObject(StatusNotifierItem::objectPath(), &notifierItem_,
        QDBusConnection::ExportAllProperties | QDBusConnection::ExportAllSignals);
    bus_.registerService(itemService_);
    registration_ = std::make_unique<StatusNotifierRegistration>(
        bus_, itemService_, [this](bool present) { hostPresenceChanged(present); });
}

void DesktopStatusItem::showWindow(const char* reason)
{
    if (!window_) {
        window_ = std::make_unique<StatusWindow>();
        if (font_) {
            window_->setTitleFont(*font_);
        }
        window_->setTitle(QString::fromStdString(title_));
        if (qtMenu_) {
            window_->setMenu(&qtMenu_->widget());
        }
    }
    log::warning(std::string(reason) + "，时钟改在一个小窗口里显示");
    window_->show();
}

} // namespace horalet::platform::qt
