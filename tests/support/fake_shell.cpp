#include "support/fake_shell.h"

#include <algorithm>
#include <stdexcept>

namespace horalet::testing {

namespace shell = platform::shell;

FakeStatusBarButton::FakeStatusBarButton(const FakeClock& clock, ShellLog& log)
    : clock_(clock)
    , log_(log)
{
}

void FakeStatusBarButton::setTitle(const std::string& title)
{
    title_ = title;
    titles_.push_back(TitleSet{clock_.now(), title});
    log_.emplace_back("title");
}

void FakeStatusBarButton::setGlance(const shell::StatusGlance& glance)
{
    glances_.push_back(GlanceSet{clock_.now(), glance});
    log_.emplace_back("glance");
}

void FakeStatusBarButton::setFont(const shell::Font& font)
{
    font_ = font;
    fonts_.push_back(font);
    log_.emplace_back("font");
}

FakeStatusItem::FakeStatusItem(double length, std::unique_ptr<FakeStatusBarButton> button, ShellLog& log)
    : length_(length)
    , button_(std::move(button))
    , log_(log)
{
}

void FakeStatusItem::setMenu(std::shared_ptr<shell::Menu> menu)
{
    menu_ = std::move(menu);
    log_.emplace_back("menu");
}

FakeStatusBar::FakeStatusBar(const FakeClock& clock, ShellLog& log)
    : clock_(clock)
    , log_(log)
{
}

std::shared_ptr<shell::StatusItem> FakeStatusBar::statusItemWithLength(double length)
{
    auto button = givesButtons ? std::make_unique<FakeStatusBarButton>(clock_, log_) : nullptr;
    items_.push_back(std::make_shared<FakeStatusItem>(length, std::move(button), log_));
    log_.emplace_back("statusItem");
    return items_.back();
}

FakeRunLoop::FakeRunLoop(FakeClock& clock, ShellLog& log)
    : clock_(clock)
    , log_(log)
{
}

void FakeRunLoop::addTimer(std::shared_ptr<shell::Timer> timer)
{
    added_.push_back(timer);
    scheduled_.push_back(std::move(timer));
    log_.emplace_back("timer");
}

void FakeRunLoop::advanceTo(platform::Instant target)
{
    for (;;) {
        std::erase_if(scheduled_, [](const auto& timer) { return !timer->isValid(); });
        const auto next = std::min_element(scheduled_.begin(), scheduled_.end(),
            [](const auto& a, const auto& b) { return a->fireDate() < b->fireDate(); });
        if (next == scheduled_.end() || (*next)->fireDate().advanced(lateness) > target) {
            break;
        }
        // Keep the timer alive while it fires: its action may replace it.
        const std::shared_ptr<shell::Timer> timer = *next;
        clock_.set(std::max(clock_.now(), timer->fireDate().advanced(lateness)));
        fires_.push_back(TimerFire{clock_.now(), timer.get()});
        timer->fire(clock_.now());
    }
    clock_.set(std::max(clock_.now(), target));
}

void FakeRunLoop::advance(double seconds)
{
    advanceTo(clock_.now().advanced(seconds));
}

namespace {

class FakeWindow final : public shell::Window {
public:
    explicit FakeWindow(std::shared_ptr<WindowRecord> record)
        : record_(std::move(record))
    {
    }

    void setTitle(const std::string& title) override { record_->title = title; }
    void center() override { ++record_->centerings; }
    void makeKeyAndOrderFront() override { ++record_->frontings; }

private:
    std::shared_ptr<WindowRecord> record_;
};

} // namespace

FakeWindows::FakeWindows(ShellLog& log)
    : log_(log)
{
}

std::unique_ptr<shell::Window> FakeWindows::windowWithContent(std::shared_ptr<platform::ui::View> root)
{
    auto record = std::make_shared<WindowRecord>();
    record->content = std::move(root);
    windows_.push_back(record);
    log_.emplace_back("window");
    return std::make_unique<FakeWindow>(std::move(record));
}

FakeAlerts::FakeAlerts(ShellLog& log)
    : log_(log)
{
}

void FakeAlerts::runModal(const shell::Alert& alert)
{
    shown_.push_back(alert);
    log_.emplace_back("alert");
}

platform::Result<void> FakeLoginItems::registerItem()
{
    return change("register", registerFailure, shell::LoginItemStatus::enabled);
}

platform::Result<void> FakeLoginItems::unregisterItem()
{
    return change("unregister", unregisterFailure, shell::LoginItemStatus::notRegistered);
}

platform::Result<void> FakeLoginItems::change(
    const char* call, const std::optional<platform::Error>& failure, shell::LoginItemStatus after)
{
    calls.emplace_back(call);
    if (failure) {
        return *failure;
    }
    currentStatus = after;
    return {};
}

FakeShell::FakeShell(FakeClock& clock)
    : statusBar(clock, log)
    , runLoop(clock, log)
    , windows(log)
    , alerts(log)
{
}

shell::ShellServices FakeShell::services()
{
    return shell::ShellServices{application, statusBar, runLoop, fonts, windows, alerts, loginItems, systemEvents};
}

FakeStatusItem& FakeShell::item() const
{
    if (statusBar.items().empty()) {
        throw std::logic_error("no status item was made");
    }
    return *statusBar.items().back();
}

FakeStatusBarButton& FakeShell::button() const
{
    FakeStatusBarButton* button = item().fakeButton();
    if (button == nullptr) {
        throw std::logic_error("the status item has no button");
    }
    return *button;
}

} // namespace horalet::testing
