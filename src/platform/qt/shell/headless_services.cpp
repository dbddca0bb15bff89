#include "platform/qt/shell/headless_services.h"

#include "platform/foundation/log.h"

namespace horalet::platform::qt {

namespace {

class HeadlessWindow final : public shell::Window {
public:
    void setTitle(const std::string& title) override { title_ = title; }
    void center() override { }
    void makeKeyAndOrderFront() override { log::warning("没有显示器，无法显示窗口「" + title_ + "」"); }

private:
    std::string title_;
};

} // namespace

void HeadlessAlerts::runModal(const shell::Alert& alert)
{
    log::warning(alert.messageText + "\n" + alert.informativeText);
}

std::unique_ptr<shell::Window> HeadlessWindows::windowWithContent(std::shared_ptr<ui::View>)
{
    return std::make_unique<HeadlessWindow>();
}

} // namespace horalet::platform::qt
