#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/instant.h"
#include "platform/shell/alert.h"
#include "platform/shell/font.h"
#include "platform/shell/login_item.h"
#include "platform/shell/shell_services.h"
#include "platform/shell/status_bar.h"
#include "platform/shell/system_events.h"
#include "platform/shell/timer.h"
#include "platform/shell/window.h"
#include "support/fake_application.h"
#include "support/fake_platform.h"

namespace horalet::testing {

// What the shell was asked to do, in order, one word per call:
// "statusItem", "font", "menu", "title", "glance", "timer", "window", "alert".
using ShellLog = std::vector<std::string>;

// One title shown, with the instant of the virtual clock when it was set.
struct TitleSet {
    platform::Instant at;
    std::string text;
};

// One glance given, with the instant of the virtual clock when it was set.
struct GlanceSet {
    platform::Instant at;
    platform::shell::StatusGlance glance;
};

// A status item's button that records every title, glance and font it is given.
class FakeStatusBarButton final : public platform::shell::StatusBarButton {
public:
    FakeStatusBarButton(const FakeClock& clock, ShellLog& log);

    const std::string& title() const override { return title_; }
    void setTitle(const std::string& title) override;
    void setGlance(const platform::shell::StatusGlance& glance) override;
    std::optional<platform::shell::Font> font() const override { return font_; }
    void setFont(const platform::shell::Font& font) override;

    const std::vector<TitleSet>& titles() const { return titles_; }
    const std::vector<GlanceSet>& glances() const { return glances_; }
    const std::vector<platform::shell::Font>& fonts() const { return fonts_; }

private:
    const FakeClock& clock_;
    ShellLog& log_;
    std::string title_;
    std::optional<platform::shell::Font> font_;
    std::vector<TitleSet> titles_;
    std::vector<GlanceSet> glances_;
    std::vector<platform::shell::Font> fonts_;
};

class FakeStatusItem final : public platform::shell::StatusItem {
public:
    FakeStatusItem(double length, std::unique_ptr<FakeStatusBarButton> button, ShellLog& log);

    platform::shell::StatusBarButton* button() override { return button_.get(); }
    void setMenu(std::shared_ptr<platform::shell::Menu> menu) override;
    std::shared_ptr<platform::shell::Menu> menu() const override { return menu_; }

    double length() const { return length_; }
    // The recording button, or none in a panel that gives no buttons.
    FakeStatusBarButton* fakeButton() const { return button_.get(); }

private:
    double length_;
    std::unique_ptr<FakeStatusBarButton> button_;
    std::shared_ptr<platform::shell::Menu> menu_;
    ShellLog& log_;
};

// A panel that hands out recording status items, with or without a button.
class FakeStatusBar final : public platform::shell::StatusBar {
public:
    FakeStatusBar(const FakeClock& clock, ShellLog& log);

    std::shared_ptr<platform::shell::StatusItem> statusItemWithLength(double length) override;

    bool givesButtons = true;
    const std::vector<std::shared_ptr<FakeStatusItem>>& items() const { return items_; }

private:
    const FakeClock& clock_;
    ShellLog& log_;
    std::vector<std::shared_ptr<FakeStatusItem>> items_;
};

class FakeFonts final : public platform::shell::Fonts {
public:
    double menuBarFontSize() const override { return size; }
    double size = 13.0;
};

// One firing of a timer and the virtual instant it came at.
struct TimerFire {
    platform::Instant at;
    const platform::shell::Timer* timer;
};

// A main run loop on the virtual clock. Time passes only through advance
// and advanceTo, which fire every due timer in order of its fire date, each
// `lateness` seconds after that date (a busy shell fires late), and move the
// clock along.
class FakeRunLoop final : public platform::shell::RunLoop {
public:
    FakeRunLoop(FakeClock& clock, ShellLog& log);

    void addTimer(std::shared_ptr<platform::shell::Timer> timer) override;

    void advanceTo(platform::Instant target);
    void advance(double seconds);

    double lateness = 0.0;
    const std::vector<std::shared_ptr<platform::shell::Timer>>& added() const { return added_; }
    const std::vector<TimerFire>& fires() const { return fires_; }

private:
    FakeClock& clock_;
    ShellLog& log_;
    std::vector<std::shared_ptr<platform::shell::Timer>> added_;
    std::vector<std::shared_ptr<platform::shell::Timer>> scheduled_;
    std::vector<TimerFire> fires_;
};

// What was done to one window; it outlives the window itself.
struct WindowRecord {
    std::shared_ptr<platform::ui::View> content;
    std::string title;
    int centerings = 0;
    int frontings = 0;
};

class FakeWindows final : public platform::shell::Windows {
public:
    explicit FakeWindows(ShellLog& log);

    std::unique_ptr<platform::shell::Window> windowWithContent(std::shared_ptr<platform::ui::View> root) override;

    const std::vector<std::shared_ptr<WindowRecord>>& windows() const { return windows_; }

private:
    ShellLog& log_;
    std::vector<std::shared_ptr<WindowRecord>> windows_;
};

class FakeAlerts final : public platform::shell::Alerts {
public:
    explicit FakeAlerts(ShellLog& log);

    void runModal(const platform::shell::Alert& alert) override;

    const std::vector<platform::shell::Alert>& shown() const { return shown_; }

private:
    ShellLog& log_;
    std::vector<platform::shell::Alert> shown_;
};

// A login-item service with a status the test sets and failures it
// scripts. A successful change moves the status along.
class FakeLoginItems final : public platform::shell::LoginItemService {
public:
    platform::shell::LoginItemStatus status() const override { return currentStatus; }
    platform::Result<void> registerItem() override;
    platform::Result<void> unregisterItem() override;

    platform::shell::LoginItemStatus currentStatus = platform::shell::LoginItemStatus::notRegistered;
    std::optional<platform::Error> registerFailure;
    std::optional<platform::Error> unregisterFailure;
    // "register" and "unregister", in the order they were asked for.
    std::vector<std::string> calls;

private:
    platform::Result<void> change(
        const char* call, const std::optional<platform::Error>& failure, platform::shell::LoginItemStatus after);
};

// Every desktop-shell service replaced by a recording fake on the given
// virtual clock, with the system's events for the test to tell.
class FakeShell {
public:
    explicit FakeShell(FakeClock& clock);
    FakeShell(const FakeShell&) = delete;
    FakeShell& operator=(const FakeShell&) = delete;

    platform::shell::ShellServices services();

    ShellLog log;
    FakeApplication application;
    FakeStatusBar statusBar;
    FakeRunLoop runLoop;
    FakeFonts fonts;
    FakeWindows windows;
    FakeAlerts alerts;
    FakeLoginItems loginItems;
    platform::shell::SystemEvents systemEvents;

    // The last status item made, with its recording button.
    FakeStatusItem& item() const;
    FakeStatusBarButton& button() const;
};

} // namespace horalet::testing
