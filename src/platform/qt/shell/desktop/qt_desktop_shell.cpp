#include "platform/qt/shell/desktop/qt_desktop_shell.h"

#include <QIcon>
#include <QPixmap>
#include <unistd.h>

#include "build_info.h"
#include "platform/qt/settings_window/settings_windows.h"
#include "platform/qt/shell/desktop/clock_icon.h"

namespace horalet::platform::qt {

DesktopStatusBar::DesktopStatusBar(QDBusConnection bus, LabelGuide& guide)
    : bus_(std::move(bus))
    , guide_(guide)
{
}

std::shared_ptr<shell::StatusItem> DesktopStatusBar::statusItemWithLength(double)
{
    const QString service = QStringLiteral("org.kde.StatusNotifierItem-%1-%2").arg(::getpid()).arg(++made_);
    return std::make_shared<DesktopStatusItem>(bus_, service, guide_);
}

QtDesktopShell::QtDesktopShell(QDBusConnection sessionBus)
    : statusBar_(std::move(sessionBus), guide_)
    , windows_(makeSettingsWindows())
{
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

void QtDesktopShell::setLabelGuide(std::function<std::vector<std::string>()> guide, NotificationCenter& changes)
{
    guide_.setSource(std::move(guide), changes);
}

namespace {

// Owns the QApplication it made, and outlives nothing built on it.
class OwningDesktopShell final : public DesktopShell {
public:
    OwningDesktopShell(int& argc, char** argv)
        : application_(argc, argv)
        , shell_(QDBusConnection::sessionBus())
    {
        QGuiApplication::setApplicationDisplayName(QStringLiteral("Horalet"));
        QGuiApplication::setDesktopFileName(QString::fromLatin1(build::kApplicationId));
        QGuiApplication::setQuitOnLastWindowClosed(false);
        QIcon icon;
        for (const int size : {16, 32, 48, 64}) {
            icon.addPixmap(QPixmap::fromImage(clockIcon(size)));
        }
        QGuiApplication::setWindowIcon(icon);
    }

    shell::StatusBar& statusBar() override { return shell_.statusBar(); }
    shell::Fonts& fonts() override { return shell_.fonts(); }
    shell::Windows& windows() override { return shell_.windows(); }
    shell::Alerts& alerts() override { return shell_.alerts(); }
    void activate() override { shell_.activate(); }
    void setLabelGuide(std::function<std::vector<std::string>()> guide, NotificationCenter& changes) override
    {
        shell_.setLabelGuide(std::move(guide), changes);
    }

private:
    QApplication application_;
    QtDesktopShell shell_;
};

} // namespace

std::unique_ptr<DesktopShell> createDesktopShell(int& argc, char** argv)
{
    return std::make_unique<OwningDesktopShell>(argc, argv);
}

} // namespace horalet::platform::qt
