#include "platform/qt/shell/qt_shell.h"

#include <csignal>
#include <unistd.h>

#include <QCoreApplication>

#include "build_info.h"
#include "platform/foundation/clock.h"
#include "platform/linux/paths.h"
#include "platform/linux/system/autostart_entry.h"
#include "platform/linux/system/xdg_login_items.h"
#include "platform/qt/shell/bar/click_event_reader.h"
#include "platform/qt/shell/clock_set_watch.h"
#include "platform/qt/shell/headless_services.h"
#include "platform/qt/shell/preferences_file_watch.h"
#include "platform/qt/shell/qt_application.h"
#include "platform/qt/shell/qt_main_queue.h"
#include "platform/qt/shell/qt_run_loop.h"
#include "platform/qt/shell/quit_on_signals.h"
#include "platform/qt/shell/reader_gone_watch.h"
#include "platform/qt/shell/terminal_status_bar.h"
#include "platform/qt/shell/wake_watch.h"
#include "platform/qt/shell/zone_watch.h"

namespace horalet::platform::qt {

struct QtShell::Parts {
    Parts(int& argc, char** argv, std::unique_ptr<DesktopShell> desktopShell, shell::BarProtocol lineProtocol,
        shell::BarLineDetails details)
        : coreApplication(desktopShell ? nullptr : std::make_unique<QCoreApplication>(argc, argv))
        , desktop(std::move(desktopShell))
        , terminalBar({STDOUT_FILENO, lineProtocol, std::move(details)}, [this] { application.terminate(); })
        , protocol(lineProtocol)
    {
    }

    std::unique_ptr<QCoreApplication> coreApplication;
    std::unique_ptr<DesktopShell> desktop;
    SystemClock clock;
    QtApplication application;
    QtMainQueue mainQueue;
    QtRunLoop runLoop{clock};
    QuitOnSignals quitOnSignals{[this] { application.terminate(); }};
    TerminalStatusBar terminalBar;
    shell::BarProtocol protocol;
    HeadlessFonts headlessFonts;
    HeadlessAlerts headlessAlerts;
    HeadlessWindows headlessWindows;
    os::XdgLoginItems loginItems{os::autostart::entryPath(build::kApplicationId), os::runningProgramPath()};
    shell::SystemEvents systemEvents;
    shell::StatusBar* statusBar = nullptr;
    std::unique_ptr<ClockSetWatch> clockSetWatch;
    std::unique_ptr<ZoneWatch> zoneWatch;
    std::unique_ptr<WakeWatch> wakeWatch;
    std::unique_ptr<PreferencesFileWatch> preferencesWatch;
    std::unique_ptr<ReaderGoneWatch> readerGoneWatch;
    std::unique_ptr<ClickEventReader> clickReader;
};

QtShell::QtShell(int& argc, char** argv, std::unique_ptr<DesktopShell> desktop, shell::BarProtocol protocol,
    shell::BarLineDetails details)
    : parts_(std::make_unique<Parts>(argc, argv, std::move(desktop), protocol, std::move(details)))
{
    Parts& parts = *parts_;
    if (parts.desktop) {
        parts.statusBar = &parts.desktop->statusBar();
        parts.application.setActivator([&parts] { parts.desktop->activate(); });
    } else {
        // A reader that goes away ends the line through a failed write, not a signal.
        std::signal(SIGPIPE, SIG_IGN);
        parts.statusBar = &parts.terminalBar;
        parts.readerGoneWatch
            = std::make_unique<ReaderGoneWatch>(STDOUT_FILENO, [&parts] { parts.application.terminate(); });
    }
}

QtShell::~QtShell() = default;

shell::ShellServices QtShell::services()
{
    Parts& parts = *parts_;
    DesktopShell* desktop = parts.desktop.get();
    return shell::ShellServices{
        parts.application,
        *parts.statusBar,
        parts.runLoop,
        desktop ? desktop->fonts() : parts.headlessFonts,
        desktop ? desktop->windows() : parts.headlessWindows,
        desktop ? desktop->alerts() : parts.headlessAlerts,
        parts.loginItems,
        parts.systemEvents,
    };
}

MainQueue& QtShell::mainQueue()
{
    return parts_->mainQueue;
}

void QtShell::watchSystemEvents(PreferencesStore& store, const std::string& preferencesPath)
{
    Parts& parts = *parts_;
    shell::SystemEvents& events = parts.systemEvents;
    parts.clockSetWatch = std::make_unique<ClockSetWatch>();
    parts.zoneWatch = std::make_unique<ZoneWatch>(ZoneWatch::defaultZoneFile());
    parts.wakeWatch = std::make_unique<WakeWatch>();
    QObject::connect(parts.clockSetWatch.get(), &ClockSetWatch::clockSet, [&events] { events.clockChanged.notify(); });
    QObject::connect(parts.zoneWatch.get(), &ZoneWatch::zoneChanged, [&events] { events.timeZoneChanged.notify(); });
    QObject::connect(parts.wakeWatch.get(), &WakeWatch::woke, [&events] { events.didWake.notify(); });
    parts.preferencesWatch = std::make_unique<PreferencesFileWatch>(store, QString::fromStdString(preferencesPath));
    // The terminal line keeps off the system bus: the zone file and the
    // kernel's clocks tell it all it needs.
    if (!parts.desktop || !parts.desktop->followSystemBus(*parts.zoneWatch, *parts.wakeWatch)) {
        parts.runLoop.setAfterFire([&parts] { parts.wakeWatch->checkSuspendGap(); });
    }
}

std::optional<int> QtShell::deferToRunningInstance(std::function<void()> openSettings)
{
    if (!parts_->desktop) {
        return std::nullopt;
    }
    return parts_->desktop->deferToRunningInstance(std::move(openSettings));
}

void QtShell::onBarClick(std::function<void()> clicked)
{
    Parts& parts = *parts_;
    if (!parts.desktop && parts.protocol == shell::BarProtocol::i3bar) {
        parts.clickReader = std::make_unique<ClickEventReader>(STDIN_FILENO, std::move(clicked));
    }
}

void QtShell::afterLaunch(std::function<void()> launched)
{
    parts_->application.setAfterLaunch(std::move(launched));
}

void QtShell::setLabelGuide(std::function<std::vector<std::string>()> guide, PreferencesStore& store)
{
    if (parts_->desktop) {
        parts_->desktop->setLabelGuide(std::move(guide), store.didChange, parts_->systemEvents.timeZoneChanged);
    }
}

} // namespace horalet::platform::qt
