#pragma once

#include <string>

#include "platform/foundation/result.h"

namespace horalet::platform::updater::engine {

// Makes `path` a folder only this user can enter (mode 0700), creating it
// and its missing parents. Refuses a folder that is a symbolic link or
// belongs to someone else.
Result<void> preparePrivateFolder(const std::string& path);

} // namespace horalet::platform::updater::engine
