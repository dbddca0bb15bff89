#include "platform/qt/settings_window/qt_settings_window.h"
#include "platform/qt/settings_window/settings_windows.h"

namespace horalet::platform::qt {

namespace {

class QtSettingsWindows final : public shell::Windows {
public:
    std::unique_ptr<shell::Window> windowWithContent(std::shared_ptr<ui::View> root) override
    {
        return std::make_unique<QtSettingsWindow>(std::move(root));
    }
};

} // namespace

std::unique_ptr<shell::Windows> makeSettingsWindows()
{
    return std::make_unique<QtSettingsWindows>();
}

} // namespace horalet::platform::qt
