#pragma once

#include <functional>
#include <memory>

#include <QApplication>
#include <QDBusConnection>

#include "platform/qt/shell/desktop/desktop_status_item.h"
#include "platform/qt/shell/desktop/gnome_host_hint.h"
#include "platform/qt/shell/desktop/label_guide.h"
#include "platform/qt/shell/desktop/qt_desktop_services.h"
#include "platform/qt/shell/desktop/single_instance.h"
#include "platform/qt/shell/desktop/status_window_place.h"
#include "platform/qt/shell/desktop/theme_icon.h"
#include "platform/qt/shell/desktop_shell.h"

namespace horalet::platform::qt {

// Status items for the desktop's panel, each made of `parts`.
class DesktopStatusBar final : public shell::StatusBar {
public:
    explicit DesktopStatusBar(StatusItemParts parts);

    std::shared_ptr<shell::StatusItem> statusItemWithLength(double length) override;

private:
    StatusItemParts parts_;
    int made_ = 0;
};

// The desktop shell on an existing QApplication.
class QtDesktopShell final : public DesktopShell {
public:
    QtDesktopShell(const QDBusConnection& sessionBus, const DesktopOptions& options);

    shell::StatusBar& statusBar() override { return statusBar_; }
    shell::Fonts& fonts() override { return fonts_; }
    shell::Windows& windows() override { return *windows_; }
    shell::Alerts& alerts() override { return alerts_; }
    void activate() override;
    void setLabelGuide(
        std::function<std::vector<std::string>()> guide, Signal<>& settingsChanged, Signal<>& zoneChanged) override;
    std::optional<int> deferToRunningInstance(std::function<void()> openSettings) override;
    bool followSystemBus(ZoneWatch& zone, WakeWatch& wake) override;

private:
    QDBusConnection sessionBus_;
    std::unique_ptr<SingleInstance> singleInstance_;
    StatusWindowPlace windowPlace_;
    LabelGuide guide_;
    ThemeIcon icon_;
    QStringList desktops_;
    DesktopStatusBar statusBar_;
    QtFonts fonts_;
    std::unique_ptr<shell::Windows> windows_;
    QtAlerts alerts_;
    std::unique_ptr<GnomeHostHint> gnomeHint_;
};

} // namespace horalet::platform::qt
