#pragma once

#include <cstdint>
#include <string>

#include "platform/foundation/result.h"
#include "platform/updater/updater.h"

namespace horalet::platform::updater::engine {

// A failure as the user reads it: a whole Chinese sentence, then the
// technical detail in brackets (it may quote the server or the network
// layer, and so is only ever shown as plain text).
inline UpdaterError updateFailure(std::int64_t code, const std::string& sentence, const std::string& detail = {})
{
    return {code, Error{sentence, detail}.withDetail()};
}

} // namespace horalet::platform::updater::engine
