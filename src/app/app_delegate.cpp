#include "app/app_delegate.h"

#include <array>
#include <cmath>
#include <string>
#include <utility>

#include "app/menu_dates.h"
#include "clock/clock_format.h"
#include "clock/settings_keys.h"
#include "platform/foundation/clock.h"
#include "platform/foundation/main_queue.h"
#include "platform/foundation/preferences_store.h"
#include "platform/foundation/system_environment.h"
#include "platform/platform.h"
#include "platform/shell/alert.h"
#include "platform/shell/font.h"
#include "platform/shell/login_item.h"
#include "updates/app_updates.h"

namespace horalet::app {

namespace shell = platform::shell;

namespace {

constexpr std::string_view kInstallPrefix = "重启并安装新版本 v";
constexpr std::string_view kLoginFailedMessage = "无法设置开机启动";
constexpr std::string_view kLoginFailedHint = "\n\n建议先把 Horalet.app 放到「应用程序」文件夹再试。";
constexpr std::string_view kSettingsWindowTitle = "Horalet 设置";

// Each tick lands just after a whole second, so the title already shows the
// new second; with the tolerance every fire still falls within the first
// 55 ms of its second.
constexpr double kTickDelayAfterSecond = 0.005;
constexpr double kTickInterval = 1.0;
constexpr double kTickTolerance = 0.05;

std::shared_ptr<shell::MenuItem> makeItem(std::string_view title, std::string_view action, std::string_view key)
{
    return std::make_shared<shell::MenuItem>(std::string(title), std::string(action), std::string(key));
}

} // namespace

AppDelegate::AppDelegate(SettingsContentFactory makeSettingsContent, AppUpdates& updates)
    : formatter_(ClockFormat::make())
    , headerItem_(makeItem("", "", ""))
    , localItem_(makeItem("", "", ""))
    , readyUpdateItem_(makeItem("", "installReadyUpdate", ""))
    , checkUpdateItem_(makeItem("检查更新…", "checkUpdates", ""))
    , loginItem_(makeItem("开机自动启动", "toggleLogin", ""))
    , makeSettingsContent_(std::move(makeSettingsContent))
    , updates_(updates)
{
}

bool AppDelegate::perform(std::string_view action)
{
    static const std::array<std::pair<std::string_view, void (AppDelegate::*)()>, 9> operations{{
        {"applicationDidFinishLaunching:", &AppDelegate::applicationDidFinishLaunching},
        {"restartTimer", &AppDelegate::restartTimer},
        {"tick", &AppDelegate::tick},
        {"settingsChanged", &AppDelegate::settingsChanged},
        {"menuWillOpen:", &AppDelegate::fillMenu},
        {"checkUpdates", &AppDelegate::checkUpdates},
        {"installReadyUpdate", &AppDelegate::installReadyUpdate},
        {"toggleLogin", &AppDelegate::toggleLogin},
        {"openSettings", &AppDelegate::openSettings},
    }};
    for (const auto& [name, operation] : operations) {
        if (name == action) {
            (this->*operation)();
            return true;
        }
    }
    return false;
}

void AppDelegate::applicationDidFinishLaunching()
{
    registerDefaults();
    // The formatter made at construction predates the defaults.
    formatter_ = ClockFormat::make();
    statusItem_ = shell::statusBar().statusItemWithLength(shell::kVariableStatusItemLength);
    applyFont();
    buildMenu();
    startTimer();
    updates_.start();
    subscribe(platform::defaultCenter(), platform::notifications::preferencesDidChange, "settingsChanged");
    subscribe(platform::defaultCenter(), platform::notifications::systemTimeZoneDidChange, "settingsChanged");
    subscribe(platform::defaultCenter(), platform::notifications::systemClockDidChange, "restartTimer");
    subscribe(platform::workspaceCenter(), platform::notifications::workspaceDidWake, "restartTimer");
}

void AppDelegate::buildMenu()
{
    auto menu = std::make_shared<shell::Menu>();
    menu->setDelegate(this);
    headerItem_->setEnabled(false);
    localItem_->setEnabled(false);

    readyUpdateItem_->setTarget(this);
    readyUpdateItem_->setHidden(true);
    auto settingsItem = makeItem("设置…", "openSettings", ",");
    settingsItem->setTarget(this);
    checkUpdateItem_->setTarget(this);
    loginItem_->setTarget(this);
    // No target: the action travels to the application, which quits.
    auto quitItem = makeItem("退出", "terminate:", "q");

    menu->addItem(headerItem_);
    menu->addItem(localItem_);
    menu->addItem(readyUpdateItem_);
    menu->addItem(shell::MenuItem::separatorItem());
    menu->addItem(std::move(settingsItem));
    menu->addItem(checkUpdateItem_);
    menu->addItem(loginItem_);
    menu->addItem(shell::MenuItem::separatorItem());
    menu->addItem(std::move(quitItem));
    statusItem_->setMenu(std::move(menu));
}

void AppDelegate::subscribe(platform::NotificationCenter& center, std::string_view name, std::string_view action)
{
    center.addObserver(name, [this, handler = std::string(action)] { perform(handler); });
}

void AppDelegate::applyFont()
{
    const platform::PreferencesStore& store = ClockFormat::d();
    const double size = shell::fonts().menuBarFontSize();
    const shell::FontWeight weight
        = store.boolForKey(K::bold) ? shell::FontWeight::semibold : shell::FontWeight::regular;
    const shell::Font font = store.boolForKey(K::monoDigit) ? shell::Font::monospacedDigitSystemFont(size, weight)
                                                            : shell::Font::systemFont(size, weight);
    shell::StatusBarButton* button = statusItem_ ? statusItem_->button() : nullptr;
    if (button == nullptr || button->font() == font) {
        return;
    }
    button->setFont(font);
}

void AppDelegate::refreshTitle()
{
    shell::StatusBarButton* button = statusItem_ ? statusItem_->button() : nullptr;
    if (button == nullptr) {
        return;
    }
    button->setTitle(ClockFormat::text(platform::clock().now(), formatter_));
}

void AppDelegate::startTimer()
{
    if (timer_) {
        timer_->invalidate();
    }
    refreshTitle();
    const double now = platform::clock().now().secondsSinceReferenceDate();
    const platform::Instant firstFire
        = platform::Instant::fromSecondsSinceReferenceDate(std::ceil(now) + kTickDelayAfterSecond);
    auto timer = std::make_shared<shell::Timer>(firstFire, kTickInterval, this, "tick", true);
    timer->setTolerance(kTickTolerance);
    shell::mainRunLoop().addTimer(timer, shell::RunLoopMode::common);
    timer_ = std::move(timer);
}

void AppDelegate::tick()
{
    refreshTitle();
}

void AppDelegate::restartTimer()
{
    startTimer();
}

void AppDelegate::settingsChanged()
{
    // One block per notification, never coalesced: k writes, k rebuilds.
    platform::mainQueue().async([this] { rebuildForSettings(); });
}

void AppDelegate::rebuildForSettings()
{
    // The zone must be read afresh before the formatter asks for it.
    platform::environment().resetSystemTimeZone();
    formatter_ = ClockFormat::make();
    applyFont();
    refreshTitle();
}

void AppDelegate::menuWillOpen(shell::Menu& /*menu*/)
{
    fillMenu();
}

void AppDelegate::fillMenu()
{
    MenuDates dates = menuDates(platform::clock().now(), ClockFormat::fullDate);
    headerItem_->setTitle(std::move(dates.header));
    localItem_->setHidden(!dates.showsLocalTime);
    localItem_->setTitle(std::move(dates.localTime));

    if (const std::optional<std::string>& ready = updates_.readyVersion.get()) {
        readyUpdateItem_->setTitle(std::string(kInstallPrefix) + *ready);
        readyUpdateItem_->setHidden(false);
    } else {
        readyUpdateItem_->setHidden(true);
    }

    checkUpdateItem_->setEnabled(updates_.canCheck.get());

    const bool opensAtLogin = shell::loginItems().status() == shell::LoginItemStatus::enabled;
    loginItem_->setState(opensAtLogin ? shell::ItemState::on : shell::ItemState::off);
}

void AppDelegate::checkUpdates()
{
    updates_.check();
}

void AppDelegate::installReadyUpdate()
{
    updates_.installReadyUpdate();
}

void AppDelegate::toggleLogin()
{
    shell::LoginItemService& service = shell::loginItems();
    const std::optional<shell::LoginItemError> failure
        = service.status() == shell::LoginItemStatus::enabled ? service.unregisterItem() : service.registerItem();
    if (!failure) {
        return;
    }
    shell::alerts().runModal(shell::Alert{
        std::string(kLoginFailedMessage),
        failure->localizedDescription + std::string(kLoginFailedHint),
    });
}

void AppDelegate::openSettings()
{
    if (!settingsWindow_) {
        auto window = shell::windows().windowWithContent(makeSettingsContent_ ? makeSettingsContent_() : nullptr);
        window->setTitle(std::string(kSettingsWindowTitle));
        window->setStyleMask(shell::windowStyle::titled | shell::windowStyle::closable);
        // Closing only hides it: the next opening shows the same form where it was left.
        window->setReleasedWhenClosed(false);
        window->center();
        settingsWindow_ = std::move(window);
    }
    shell::application().activateIgnoringOtherApps();
    settingsWindow_->makeKeyAndOrderFront();
}

} // namespace horalet::app
