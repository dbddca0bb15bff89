#include "settings_window/settings_window_rig.h"

#include <QCoreApplication>

#include "clock/settings_keys.h"
#include "platform/qt/settings_window/qt_settings_window.h"
#include "platform/qt/settings_window/settings_windows.h"

namespace horalet::testing {

SettingsWindowServices::SettingsWindowServices()
{
    registerDefaults(platform.store);
}

SettingsWindowRig::SettingsWindowRig()
    : windows(platform::qt::makeSettingsWindows())
{
}

SettingsWindowRig::~SettingsWindowRig()
{
    window.reset();
    settle();
}

void SettingsWindowRig::open()
{
    if (!window) {
        window = windows->windowWithContent(view);
        window->setTitle("Horalet 设置");
        window->center();
    }
    window->makeKeyAndOrderFront();
    settle();
}

void SettingsWindowRig::settle()
{
    do {
        QCoreApplication::processEvents();
    } while (platform.mainQueue.drain() > 0);
}

QPushButton* SettingsWindowRig::button(const QString& title) const
{
    for (QPushButton* candidate : widget().findChildren<QPushButton*>()) {
        if (candidate->text() == title) {
            return candidate;
        }
    }
    return nullptr;
}

QWidget& SettingsWindowRig::widget() const
{
    return *dynamic_cast<platform::qt::QtSettingsWindow&>(*window).widget();
}

} // namespace horalet::testing
