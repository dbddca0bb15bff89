#pragma once

#include <memory>
#include <string>

namespace horalet::platform::ui {
class View;
}

namespace horalet::platform::shell {

// A window whose content is a hosted declarative view; it takes its size
// from the view, has a title bar and a close button, and can be neither
// resized nor minimised. Closing it only hides it.
class Window {
public:
    virtual ~Window() = default;
    virtual void setTitle(const std::string& title) = 0;
    virtual void center() = 0;
    virtual void makeKeyAndOrderFront() = 0;
};

class Windows {
public:
    virtual ~Windows() = default;
    virtual std::unique_ptr<Window> windowWithContent(std::shared_ptr<ui::View> root) = 0;
};

} // namespace horalet::platform::shell
