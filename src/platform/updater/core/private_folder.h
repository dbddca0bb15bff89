#pragma once

#include <string>

namespace horalet::platform::updater::engine {

// Makes `path` a folder only this user can enter (mode 0700), creating it
// and its missing parents. Refuses a folder that is a symbolic link or
// belongs to someone else. On failure `error` says why.
bool preparePrivateFolder(const std::string& path, std::string& error);

} // namespace horalet::platform::updater::engine
