#pragma once

#include <QPointer>
#include <QWidget>

#include <memory>
#include <string>

#include "platform/shell/window.h"

namespace horalet::platform::qt {

class FormHost;

// The settings window: a top-level window that hosts a view's form. It is
// exactly as wide as the form and as tall as the form's least height, and
// it can be resized only when its style says so. Unless it is released
// when closed, closing only hides it: the next opening shows the same
// window and form, as the user left them.
class QtSettingsWindow final : public shell::Window {
public:
    explicit QtSettingsWindow(std::shared_ptr<ui::View> root);
    ~QtSettingsWindow() override;

    void setTitle(const std::string& title) override;
    void setStyleMask(unsigned mask) override;
    void setReleasedWhenClosed(bool released) override;
    void center() override;
    void makeKeyAndOrderFront() override;

    // None once a window released when closed has been closed.
    QWidget* widget() const { return window_; }

private:
    void applyStyle();

    QPointer<QWidget> window_;
    FormHost* host_;
    unsigned styleMask_ = shell::windowStyle::titled | shell::windowStyle::closable;
};

} // namespace horalet::platform::qt
