#include "app/delegate/app_delegate.h"

#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "app/delegate/menu_dates.h"
#include "clock/clock_format.h"
#include "clock/settings_keys.h"
#include "updates/app_updates.h"

namespace horalet::app {

namespace shell = platform::shell;

namespace {

constexpr std::string_view kInstallPrefix = "重启并安装新版本 v";
constexpr std::string_view kLoginFailedMessage = "无法设置开机启动";
constexpr std::string_view kLoginFailedHint
    = "\n\n开机启动项保存在自启动文件夹 ~/.config/autostart（设置了 $XDG_CONFIG_HOME 时为其下的 "
      "autostart）。请确认该文件夹归你所有、你有读写权限（chmod u+rwx），然后再试。";
constexpr std::string_view kSettingsWindowTitle = "Horalet 设置";

// Each tick lands just after a whole second, so the title already shows the
// new second.
constexpr double kTickDelayAfterSecond = 0.005;
constexpr double kTickInterval = 1.0;

std::shared_ptr<shell::MenuItem> makeItem(std::string_view title, shell::MenuItem::Action action, std::string_view key)
{
    return std::make_shared<shell::MenuItem>(std::string(title), std::move(action), std::string(key));
}

} // namespace

AppDelegate::AppDelegate(Parts parts)
    : parts_(std::move(parts))
    , formatter_(ClockFormat::make(sources()))
    , title_(sources())
    , glances_(sources())
    , headerItem_(makeItem("", nullptr, ""))
    , localItem_(makeItem("", nullptr, ""))
    , readyUpdateItem_(makeItem("", nullptr, ""))
    , checkUpdateItem_(makeItem("检查更新…", nullptr, ""))
    , loginItem_(makeItem("开机自动启动", nullptr, ""))
    , main_(parts_.mainQueue)
{
}

AppDelegate::~AppDelegate() = default;

void AppDelegate::applicationDidFinishLaunching()
{
    registerDefaults(parts_.store);
    // The formatter made at construction predates the defaults.
    formatter_ = ClockFormat::make(sources());
    statusItem_ = parts_.shell.statusBar.statusItemWithLength(shell::kVariableStatusItemLength);
    applyFont();
    buildMenu();
    startTimer();
    parts_.updates.start();
    shell::SystemEvents& events = parts_.shell.systemEvents;
    subscriptions_.push_back(parts_.store.didChange.connect([this] { settingsChanged(); }));
    subscriptions_.push_back(events.timeZoneChanged.connect([this] { settingsChanged(); }));
    subscriptions_.push_back(events.clockChanged.connect([this] { restartTimer(); }));
    subscriptions_.push_back(events.didWake.connect([this] { restartTimer(); }));
}

void AppDelegate::buildMenu()
{
    auto menu = std::make_shared<shell::Menu>();
    menu->setDelegate(this);
    headerItem_->setEnabled(false);
    localItem_->setEnabled(false);

    readyUpdateItem_->setAction([this] { installReadyUpdate(); });
    readyUpdateItem_->setHidden(true);
    auto settingsItem = makeItem(
        "设置…", [this] { openSettings(); }, ",");
    checkUpdateItem_->setAction([this] { checkUpdates(); });
    loginItem_->setAction([this] { toggleLogin(); });
    // Quitting is the application's own business.
    auto quitItem = makeItem(
        "退出", [&application = parts_.shell.application] { application.terminate(); }, "q");

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

void AppDelegate::applyFont()
{
    const platform::PreferencesStore& store = parts_.store;
    const double size = parts_.shell.fonts.menuBarFontSize();
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
    const platform::Instant now = parts_.clock.now();
    button->setTitle(title_.at(now, formatter_));
    // The glance shows the time to the minute: made once a minute, not per tick.
    if (const std::optional<shell::StatusGlance> glance = glances_.changedAt(now)) {
        button->setGlance(*glance);
    }
}

void AppDelegate::startTimer()
{
    if (timer_) {
        timer_->invalidate();
    }
    // Started at launch, or again because the clock jumped.
    title_.forget();
    refreshTitle();
    const double now = parts_.clock.now().secondsSinceReferenceDate();
    const platform::Instant firstFire
        = platform::Instant::fromSecondsSinceReferenceDate(std::ceil(now) + kTickDelayAfterSecond);
    auto timer = std::make_shared<shell::Timer>(firstFire, kTickInterval, [this] { tick(); });
    parts_.shell.mainRunLoop.addTimer(timer);
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
    main_.async([this] { rebuildForSettings(); });
}

void AppDelegate::rebuildForSettings()
{
    // The zone must be read afresh before the formatter asks for it.
    parts_.environment.resetSystemTimeZone();
    formatter_ = ClockFormat::make(sources());
    title_.forget();
    glances_.forget();
    applyFont();
    refreshTitle();
}

void AppDelegate::menuWillOpen(shell::Menu& /*menu*/)
{
    MenuDates dates
        = menuDates(sources(), parts_.clock.now(), [this](platform::Instant at, const platform::TimeZone& zone) {
              return ClockFormat::fullDate(sources(), at, zone);
          });
    headerItem_->setTitle(std::move(dates.header));
    localItem_->setHidden(!dates.showsLocalTime);
    localItem_->setTitle(std::move(dates.localTime));

    if (const std::optional<std::string>& ready = parts_.updates.readyVersion.get()) {
        readyUpdateItem_->setTitle(std::string(kInstallPrefix) + *ready);
        readyUpdateItem_->setHidden(false);
    } else {
        readyUpdateItem_->setHidden(true);
    }

    checkUpdateItem_->setEnabled(parts_.updates.canCheck.get());

    const bool opensAtLogin = parts_.shell.loginItems.status() == shell::LoginItemStatus::enabled;
    loginItem_->setState(opensAtLogin ? shell::ItemState::on : shell::ItemState::off);
}

void AppDelegate::checkUpdates()
{
    parts_.updates.check();
}

void AppDelegate::installReadyUpdate()
{
    parts_.updates.installReadyUpdate();
}

void AppDelegate::toggleLogin()
{
    shell::LoginItemService& service = parts_.shell.loginItems;
    const platform::Result<void> changed
        = service.status() == shell::LoginItemStatus::enabled ? service.unregisterItem() : service.registerItem();
    if (changed) {
        return;
    }
    parts_.shell.alerts.runModal(shell::Alert{
        std::string(kLoginFailedMessage),
        changed.error().withDetail() + std::string(kLoginFailedHint),
    });
}

void AppDelegate::openSettings()
{
    if (!settingsWindow_) {
        // Closing only hides it: the next opening shows the same form where it was left.
        auto window = parts_.shell.windows.windowWithContent(
            parts_.makeSettingsContent ? parts_.makeSettingsContent() : nullptr);
        window->setTitle(std::string(kSettingsWindowTitle));
        window->center();
        settingsWindow_ = std::move(window);
    }
    parts_.shell.application.activateIgnoringOtherApps();
    settingsWindow_->makeKeyAndOrderFront();
}

} // namespace horalet::app
