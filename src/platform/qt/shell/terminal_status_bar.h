#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/shell/bar_line.h"
#include "platform/shell/status_bar.h"

namespace horalet::platform::qt {

// Where the terminal line goes and in which protocol. `details` completes a
// title into a line; the plain protocol never asks for it.
struct TerminalLineOutput {
    int fd = -1;
    shell::BarProtocol protocol = shell::BarProtocol::plain;
    shell::BarLineDetails details;
};

// The status item where there is no display: every title refresh becomes
// one line on standard output in the reader's protocol, written at once in
// one piece.
class TerminalStatusItem final : public shell::StatusItem, public shell::StatusBarButton {
public:
    // `closed` runs when the reader of the output has gone away.
    TerminalStatusItem(TerminalLineOutput output, std::function<void()> closed);

    shell::StatusBarButton* button() override { return this; }
    void setMenu(std::shared_ptr<shell::Menu> menu) override { menu_ = std::move(menu); }
    std::shared_ptr<shell::Menu> menu() const override { return menu_; }

    const std::string& title() const override { return title_; }
    void setTitle(const std::string& title) override;
    // The line is text already, with its own tooltip where the protocol has one.
    void setGlance(const shell::StatusGlance&) override { }
    std::optional<shell::Font> font() const override { return font_; }
    void setFont(const shell::Font& font) override { font_ = font; }

private:
    void write(std::string line);

    TerminalLineOutput output_;
    std::function<void()> closed_;
    std::string title_;
    std::string lastLine_;
    bool wroteLine_ = false;
    std::optional<shell::Font> font_;
    std::shared_ptr<shell::Menu> menu_;
};

class TerminalStatusBar final : public shell::StatusBar {
public:
    TerminalStatusBar(TerminalLineOutput output, std::function<void()> closed);

    // Writes the protocol's preamble before the item's first line.
    std::shared_ptr<shell::StatusItem> statusItemWithLength(double length) override;

private:
    TerminalLineOutput output_;
    std::function<void()> closed_;
};

} // namespace horalet::platform::qt
