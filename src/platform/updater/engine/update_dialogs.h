#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/updater/engine/appcast.h"

namespace horalet::platform::updater::engine {

// The dialogs of a check the user asked for. None of them blocks: each
// shows and returns.
class UpdateDialogs {
public:
    virtual ~UpdateDialogs() = default;
    virtual void showUpToDate(const std::string& currentVersion) = 0;
    // Offers the update; `answer` runs once, maybe before this returns,
    // with true for "install now" and false for "later".
    virtual void offerUpdate(
        const AppcastEntry& update, const std::string& currentVersion, std::function<void(bool installNow)> answer)
        = 0;
    virtual void showFailure(const UpdaterError& error) = 0;
};

// Dialogs that show nothing and answer "later": the terminal clock's.
std::unique_ptr<UpdateDialogs> makeSilentUpdateDialogs();

} // namespace horalet::platform::updater::engine
