#pragma once

#include "platform/shell/alert.h"
#include "platform/shell/font.h"

namespace horalet::platform::qt {

// The panel font's size: the application font's, which follows the desktop.
class QtFonts final : public shell::Fonts {
public:
    double menuBarFontSize() const override;
};

// A modal message box with one default button.
class QtAlerts final : public shell::Alerts {
public:
    void runModal(const shell::Alert& alert) override;
};

} // namespace horalet::platform::qt
