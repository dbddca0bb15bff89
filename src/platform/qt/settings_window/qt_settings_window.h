#pragma once

#include <QWidget>

#include <memory>
#include <string>

#include "platform/shell/window.h"

namespace horalet::platform::qt {

class FormHost;

// The settings window: a top-level window that hosts a view's form, with a
// title and a close button. It is exactly as wide as the form and as tall
// as the form's least height, and cannot be resized. Closing only hides
// it: the next opening shows the same window and form, as the user left
// them.
class QtSettingsWindow final : public shell::Window {
public:
    explicit QtSettingsWindow(std::shared_ptr<ui::View> root);
    ~QtSettingsWindow() override;

    void setTitle(const std::string& title) override;
    void center() override;
    void makeKeyAndOrderFront() override;

    QWidget* widget() const { return window_.get(); }

private:
    void fitToForm();

    std::unique_ptr<QWidget> window_;
    FormHost* host_;
};

} // namespace horalet::platform::qt
