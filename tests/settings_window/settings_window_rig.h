#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>

#include <memory>

#include "platform/shell/window.h"
#include "settings/settings_view.h"
#include "support/fake_application.h"
#include "support/fake_platform.h"
#include "support/fake_updater.h"
#include "updates/app_updates.h"

namespace horalet::testing {

// Fake platform services with a scripted updater and the clock's defaults
// registered: a fixed clock, an in-memory store and a main queue drained by
// hand. The updater's fakes come first, so they outlive the update model,
// whose controller refers to the updater to the end.
struct SettingsWindowServices {
    SettingsWindowServices();

    FakeUpdaterControllerFactory factory;
    FakeApplication application;
    FakePlatform platform;
};

// The settings window as the program opens it, with its own update model.
class SettingsWindowRig : public SettingsWindowServices {
public:
    SettingsWindowRig();
    SettingsWindowRig(const SettingsWindowRig&) = delete;
    SettingsWindowRig& operator=(const SettingsWindowRig&) = delete;
    ~SettingsWindowRig();

    // What opening the settings does: the window once, then key and front.
    void open();
    // Runs the queued redraws and Qt's pending events.
    void settle();

    QWidget& widget() const;
    // The control named after its row's label; none when absent.
    template <typename Control> Control* control(const QString& label) const
    {
        for (Control* candidate : widget().findChildren<Control*>()) {
            if (candidate->accessibleName() == label) {
                return candidate;
            }
        }
        return nullptr;
    }
    // The push button with this title; none when absent.
    QPushButton* button(const QString& title) const;

    std::unique_ptr<AppUpdates> model
        = std::make_unique<AppUpdates>(AppUpdates::Parts{factory, platform.store, platform.mainQueue, application});
    std::shared_ptr<SettingsView> view = std::make_shared<SettingsView>(
        SettingsView::Parts{platform.store, platform.environment, platform.clock, *model});
    std::unique_ptr<platform::shell::Windows> windows;
    std::unique_ptr<platform::shell::Window> window;
};

} // namespace horalet::testing
