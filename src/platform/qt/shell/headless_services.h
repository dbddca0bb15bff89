#pragma once

#include "platform/shell/alert.h"
#include "platform/shell/font.h"
#include "platform/shell/window.h"

namespace horalet::platform::qt {

// The panel font where there is no display: the usual size of a panel's text.
class HeadlessFonts final : public shell::Fonts {
public:
    double menuBarFontSize() const override { return 13.0; }
};

// Alerts where there is no display: the message goes to the log.
class HeadlessAlerts final : public shell::Alerts {
public:
    void runModal(const shell::Alert& alert) override;
};

// Windows where there is no display: showing one says so in the log.
class HeadlessWindows final : public shell::Windows {
public:
    std::unique_ptr<shell::Window> windowWithContent(std::shared_ptr<ui::View> root) override;
};

} // namespace horalet::platform::qt
