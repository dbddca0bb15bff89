#pragma once

#include <memory>

#include <QApplication>
#include <QDBusConnection>

#include "platform/qt/shell/desktop/desktop_status_item.h"
#include "platform/qt/shell/desktop/label_guide.h"
#include "platform/qt/shell/desktop/qt_desktop_services.h"
#include "platform/qt/shell/desktop/single_instance.h"
#include "platform/qt/shell/desktop_shell.h"

namespace horalet::platform::qt {

// Status items for the desktop's panel, on the given session bus.
class DesktopStatusBar final : public shell::StatusBar {
public:
    DesktopStatusBar(QDBusConnection bus, LabelGuide& guide);

    std::shared_ptr<shell::StatusItem> statusItemWithLength(double length) override;
    void setLineDetails(shell::BarLineDetails details) { details_ = std::move(details); }

private:
    QDBusConnection bus_;
    LabelGuide& guide_;
    shell::BarLineDetails details_;
    int made_ = 0;
};

// The desktop shell on an existing QApplication.
class QtDesktopShell final : public DesktopShell {
public:
    explicit QtDesktopShell(const QDBusConnection& sessionBus);

    shell::StatusBar& statusBar() override { return statusBar_; }
    shell::Fonts& fonts() override { return fonts_; }
    shell::Windows& windows() override { return *windows_; }
    shell::Alerts& alerts() override { return alerts_; }
    void activate() override;
    void setLabelGuide(
        std::function<std::vector<std::string>()> guide, Signal<>& settingsChanged, Signal<>& zoneChanged) override;
    std::optional<int> deferToRunningInstance(std::function<void()> openSettings) override;
    void setLineDetails(shell::BarLineDetails details) override { statusBar_.setLineDetails(std::move(details)); }
    bool followSystemBus(ZoneWatch& zone, WakeWatch& wake) override;

private:
    QDBusConnection sessionBus_;
    std::unique_ptr<SingleInstance> singleInstance_;
    LabelGuide guide_;
    DesktopStatusBar statusBar_;
    QtFonts fonts_;
    std::unique_ptr<shell::Windows> windows_;
    QtAlerts alerts_;
};

} // namespace horalet::platform::qt
