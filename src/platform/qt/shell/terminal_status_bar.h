#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/shell/status_bar.h"

namespace horalet::platform::qt {

// The status item where there is no display: every title refresh becomes
// one line on a terminal (standard output), written at once in one piece.
class TerminalStatusItem final : public shell::StatusItem, public shell::StatusBarButton {
public:
    // `closed` runs when the reader of the output has gone away.
    TerminalStatusItem(int fd, std::function<void()> closed);

    shell::StatusBarButton* button() override { return this; }
    void setMenu(std::shared_ptr<shell::Menu> menu) override { menu_ = std::move(menu); }
    std::shared_ptr<shell::Menu> menu() const override { return menu_; }

    const std::string& title() const override { return title_; }
    void setTitle(const std::string& title) override;
    std::optional<shell::Font> font() const override { return font_; }
    void setFont(const shell::Font& font) override { font_ = font; }

private:
    int fd_;
    std::function<void()> closed_;
    std::string title_;
    std::optional<shell::Font> font_;
    std::shared_ptr<shell::Menu> menu_;
};

class TerminalStatusBar final : public shell::StatusBar {
public:
    TerminalStatusBar(int fd, std::function<void()> closed);

    std::shared_ptr<shell::StatusItem> statusItemWithLength(double length) override;

private:
    int fd_;
    std::function<void()> closed_;
};

} // namespace horalet::platform::qt
