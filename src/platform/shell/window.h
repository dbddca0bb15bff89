#pragma once

#include <memory>
#include <string>

namespace horalet::platform::ui {
class View;
}

namespace horalet::platform::shell {

namespace windowStyle {
inline constexpr unsigned titled = 1U << 0;
inline constexpr unsigned closable = 1U << 1;
inline constexpr unsigned miniaturizable = 1U << 2;
inline constexpr unsigned resizable = 1U << 3;
} // namespace windowStyle

// A window whose content is a hosted declarative view; it takes its size
// from the view.
class Window {
public:
    virtual ~Window() = default;
    virtual void setTitle(const std::string& title) = 0;
    virtual void setStyleMask(unsigned mask) = 0;
    // With false, closing only hides the window.
    virtual void setReleasedWhenClosed(bool released) = 0;
    virtual void center() = 0;
    virtual void makeKeyAndOrderFront() = 0;
};

class Windows {
public:
    virtual ~Windows() = default;
    virtual std::unique_ptr<Window> windowWithContent(std::shared_ptr<ui::View> root) = 0;
};

} // namespace horalet::platform::shell
