#include "platform/updater/engine/update_dialogs.h"

namespace horalet::platform::updater::engine {

namespace {

class SilentUpdateDialogs final : public UpdateDialogs {
public:
    void showUpToDate(const std::string&) override { }
    void offerUpdate(const AppcastEntry&, const std::string&, std::function<void(bool)> answer) override
    {
        answer(false);
    }
    void showFailure(const UpdaterError&) override { }
};

} // namespace

std::unique_ptr<UpdateDialogs> makeSilentUpdateDialogs()
{
    return std::make_unique<SilentUpdateDialogs>();
}

} // namespace horalet::platform::updater::engine
