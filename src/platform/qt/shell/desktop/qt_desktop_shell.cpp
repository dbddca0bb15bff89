#include "platform/qt/shell/desktop/qt_desktop_shell.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTranslator>
#include <unistd.h>

#include "build_info.h"
#include "platform/foundation/log.h"
#include "platform/linux/paths.h"
#include "platform/qt/settings_window/settings_windows.h"
#include "platform/qt/shell/desktop/clock_icon.h"
#include "platform/qt/shell/desktop/current_desktops.h"
#include "platform/qt/shell/desktop/system_bus_watches.h"

namespace horalet::platform::qt {

DesktopStatusBar::DesktopStatusBar(StatusItemParts parts)
    : parts_(std::move(parts))
{
}

std::shared_ptr<shell::StatusItem> DesktopStatusBar::statusItemWithLength(double)
{
    const QString service = QStringLiteral("org.kde.StatusNotifierItem-%1-%2").arg(::getpid()).arg(++made_);
    return std::make_shared<DesktopStatusItem>(parts_, service);
}

namespace {

// At login the shell may start after the programs it hosts.
constexpr std::chrono::seconds kHostStartsLate{5};

} // namespace

QtDesktopShell::QtDesktopShell(const QDBusConnection& sessionBus, const DesktopOptions& options)
    : sessionBus_(sessionBus)
    , windowPlace_(options.store, std::string(options.statusWindowPlace.key))
    , icon_(provideThemeIcon(os::iconThemeFolder()))
    , desktops_(currentDesktops())
    , statusBar_(
          {sessionBus, guide_, icon_, desktops_, options.openSettings, {&windowPlace_, options.statusWindowChosen}})
    , windows_(makeSettingsWindows())
{
    if (!options.statusWindowChosen && desktopIsGnome(desktops_)) {
        gnomeHint_ = std::make_unique<GnomeHostHint>(
            sessionBus, options.store, options.gnomeHostHintGiven, iconFileOrName(icon_), kHostStartsLate);
    }
}

void QtDesktopShell::activate()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !window->windowFlags().testFlag(Qt::Tool)) {
            window->raise();
            window->activateWindow();
        }
    }
}

void QtDesktopShell::setLabelGuide(
    std::function<std::vector<std::string>()> guide, Signal<>& settingsChanged, Signal<>& zoneChanged)
{
    guide_.setSource(std::move(guide), settingsChanged, zoneChanged);
}

std::optional<int> QtDesktopShell::deferToRunningInstance(std::function<void()> openSettings)
{
    singleInstance_ = std::make_unique<SingleInstance>(sessionBus_, std::move(openSettings));
    switch (singleInstance_->claim()) {
    case SingleInstance::Claim::handedOff:
        return 0;
    case SingleInstance::Claim::unanswered:
        log::warning("另一个 Horalet 已在本会话中运行，但没有应答");
        return 1;
    case SingleInstance::Claim::ours:
    case SingleInstance::Claim::noBus:
        break;
    }
    return std::nullopt;
}

bool QtDesktopShell::followSystemBus(ZoneWatch& zone, WakeWatch& wake)
{
    const QDBusConnection systemBus = QDBusConnection::systemBus();
    if (!systemBus.isConnected()) {
        return false;
    }
    followTimedate(systemBus, zone);
    return followLogind(systemBus, wake);
}

namespace {

// Owns the QApplication it made, and outlives nothing built on it.
class OwningDesktopShell final : public DesktopShell {
public:
    OwningDesktopShell(int& argc, char** argv, const DesktopOptions& options)
        : application_(argc, argv)
        , shell_(QDBusConnection::sessionBus(), options)
    {
        // No application display name: on X11 Qt would add it to every
        // window title (the settings window's would read "Horalet 设置 —
        // Horalet"). The name still reaches the desktop through the
        // desktop file and the windows' own titles.
        QGuiApplication::setDesktopFileName(QString::fromLatin1(build::kApplicationId));
        QGuiApplication::setQuitOnLastWindowClosed(false);
        QIcon icon;
        for (const int size : {16, 32, 48, 64}) {
            icon.addPixmap(QPixmap::fromImage(clockIcon(size)));
        }
        QGuiApplication::setWindowIcon(icon);
        // Qt's own words (a message box's "Show Details...", a text field's
        // menu) speak the interface's language, whatever the system's is.
        if (qtWords_.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&qtWords_);
        }
    }

    shell::StatusBar& statusBar() override { return shell_.statusBar(); }
    shell::Fonts& fonts() override { return shell_.fonts(); }
    shell::Windows& windows() override { return shell_.windows(); }
    shell::Alerts& alerts() override { return shell_.alerts(); }
    void activate() override { shell_.activate(); }
    void setLabelGuide(
        std::function<std::vector<std::string>()> guide, Signal<>& settingsChanged, Signal<>& zoneChanged) override
    {
        shell_.setLabelGuide(std::move(guide), settingsChanged, zoneChanged);
    }
    std::optional<int> deferToRunningInstance(std::function<void()> openSettings) override
    {
        return shell_.deferToRunningInstance(std::move(openSettings));
    }
    bool followSystemBus(ZoneWatch& zone, WakeWatch& wake) override { return shell_.followSystemBus(zone, wake); }

private:
    QApplication application_;
    QTranslator qtWords_;
    QtDesktopShell shell_;
};

} // namespace

std::unique_ptr<DesktopShell> createDesktopShell(int& argc, char** argv, const DesktopOptions& options)
{
    return std::make_unique<OwningDesktopShell>(argc, argv, options);
}

} // namespace horalet::platform::qt
