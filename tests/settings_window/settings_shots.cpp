// Saves PNG pictures of the settings window in chosen states into the
// folder given as the argument (default: screenshots/).

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QScrollArea>
#include <QTest>

#include <cstdio>
#include <functional>
#include <string>

#include "clock/settings_keys.h"
#include "platform/foundation/preferences_store.h"
#include "settings_window/settings_window_rig.h"

namespace {

using horalet::testing::SettingsWindowRig;

struct Shot {
    const char* file;
    std::function<void(SettingsWindowRig&)> script;
    // The control the picture shows; none for the top of the form.
    std::function<QWidget*(SettingsWindowRig&)> showing;
};

// The window as it is on screen: the visible part of the form.
bool save(SettingsWindowRig& rig, const Shot& shot, const QDir& folder)
{
    rig.open();
    shot.script(rig);
    rig.settle();
    if (shot.showing) {
        if (QWidget* target = shot.showing(rig)) {
            rig.widget().findChild<QScrollArea*>()->ensureWidgetVisible(target, 0, 200);
        }
    }
    rig.settle();
    const QString path = folder.filePath(QString::fromUtf8(shot.file));
    if (!rig.widget().grab().save(path, "PNG")) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", path.toLocal8Bit().constData());
        return false;
    }
    std::printf("%s\n", path.toLocal8Bit().constData());
    return true;
}

void typeSearch(SettingsWindowRig& rig, const char* text)
{
    auto* search = rig.control<QLineEdit>("搜索");
    search->setFocus();
    QTest::keyClicks(search, QString::fromUtf8(text));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "screenshots: cannot create %s\n", folder.path().toLocal8Bit().constData());
        return 1;
    }

    const Shot shots[] = {
        {"default.png", [](SettingsWindowRig&) {}, {}},
        {"custom-format.png", [](SettingsWindowRig& rig) { rig.platform.store.setBool(horalet::K::useCustom, true); },
            [](SettingsWindowRig& rig) { return rig.control<QLineEdit>("格式"); }},
        {"zone-and-search.png",
            [](SettingsWindowRig& rig) {
                rig.platform.store.setString(horalet::K::tz, "Asia/Tokyo");
                rig.settle();
                typeSearch(rig, "tok");
            },
            [](SettingsWindowRig& rig) { return rig.control<QComboBox>("时区"); }},
        {"update-ready.png",
            [](SettingsWindowRig& rig) {
                rig.model->start();
                rig.settle();
                rig.factory.updater.stageUpdate("1.2.0", [] {});
            },
            [](SettingsWindowRig& rig) { return rig.control<QAbstractButton>("自动在后台下载新版本"); }},
    };
    bool saved = true;
    for (const Shot& shot : shots) {
        SettingsWindowRig rig;
        saved = save(rig, shot, folder) && saved;
    }
    return saved ? 0 : 1;
}
