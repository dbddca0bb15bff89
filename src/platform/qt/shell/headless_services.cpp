#include "platform/qt/shell/headless_services.h"

#include <cstdio>

namespace horalet::platform::qt {

namespace {

class HeadlessWindow final : public shell::Window {
public:
    void setTitle(const std::string& title) override { title_ = title; }
    void setStyleMask(unsigned) override { }
    void setReleasedWhenClosed(bool) override { }
    void center() override { }
    void makeKeyAndOrderFront() override
    {
        std::fprintf(stderr, "horalet: cannot show the window \"%s\" without a display\n", title_.c_str());
    }

private:
    std::string title_;
};

} // namespace

void HeadlessAlerts::runModal(const shell::Alert& alert)
{
    std::fprintf(stderr, "horalet: %s\n%s\n", alert.messageText.c_str(), alert.informativeText.c_str());
}

std::unique_ptr<shell::Window> HeadlessWindows::windowWithContent(std::shared_ptr<ui::View>)
{
    return std::make_unique<HeadlessWindow>();
}

} // namespace horalet::platform::qt
