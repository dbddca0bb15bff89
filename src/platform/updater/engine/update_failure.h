#pragma once

#include <cstdint>
#include <string>

#include "platform/updater/updater.h"

namespace horalet::platform::updater::engine {

// A failure as the user reads it: a whole Chinese sentence, then the
// technical detail (which may quote the server or the network layer, and so
// is only ever shown as plain text).
inline UpdaterError updateFailure(std::int64_t code, const std::string& sentence, const std::string& detail = {})
{
    return {code, detail.empty() ? sentence : sentence + " 详情：" + detail};
}

} // namespace horalet::platform::updater::engine
