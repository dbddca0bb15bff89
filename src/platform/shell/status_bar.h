#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/shell/font.h"
#include "platform/shell/menu.h"

namespace horalet::platform::shell {

// What a status item shows besides its title, for panels that show only an
// icon: the clock's time of day on a clock face, and a tooltip that goes
// under the title. It changes once a minute at most.
struct StatusGlance {
    int hour = 0;
    int minute = 0;
    std::string toolTip;

    friend bool operator==(const StatusGlance&, const StatusGlance&) = default;
};

// The button of a status item: a text title in an optional font.
class StatusBarButton {
public:
    virtual ~StatusBarButton() = default;
    virtual const std::string& title() const = 0;
    virtual void setTitle(const std::string& title) = 0;
    virtual void setGlance(const StatusGlance& glance) = 0;
    virtual std::optional<Font> font() const = 0;
    virtual void setFont(const Font& font) = 0;
};

// One item in the desktop panel. The menu opens when the item is clicked.
class StatusItem {
public:
    virtual ~StatusItem() = default;
    // None when the panel gives the item no button.
    virtual StatusBarButton* button() = 0;
    virtual void setMenu(std::shared_ptr<Menu> menu) = 0;
    virtual std::shared_ptr<Menu> menu() const = 0;
};

inline constexpr double kVariableStatusItemLength = -1.0;

class StatusBar {
public:
    virtual ~StatusBar() = default;
    // With kVariableStatusItemLength the item's width follows its title.
    virtual std::shared_ptr<StatusItem> statusItemWithLength(double length) = 0;
};

} // namespace horalet::platform::shell
