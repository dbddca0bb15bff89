#pragma once

#include <optional>
#include <string>

namespace horalet::platform::updater::engine {

// Why this user cannot replace the program file at `path` (a distribution
// package, a folder this user cannot write), or none when it can.
std::optional<std::string> whyProgramNotReplaceable(const std::string& path);

} // namespace horalet::platform::updater::engine
