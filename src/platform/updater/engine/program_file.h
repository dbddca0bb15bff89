#pragma once

#include <optional>
#include <string>

namespace horalet::platform::updater::engine {

// The file an update replaces: the AppImage named by $APPIMAGE when set,
// else the running executable. Empty when neither can be found.
std::string runningProgramPath();

// Why this user cannot replace the program file at `path` (a distribution
// package, a folder this user cannot write), or none when it can.
std::optional<std::string> whyProgramNotReplaceable(const std::string& path);

} // namespace horalet::platform::updater::engine
