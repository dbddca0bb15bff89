#pragma once

#include <string>
#include <vector>

namespace horalet::platform::updater::engine {

// Whether `name` is a temporary file that replacing the program file
// `programName` makes beside it: the program's name, a dot and the six
// letters or digits mkstemp chooses.
bool isReplacementTemporary(const std::string& name, const std::string& programName);

// Removes the temporary files an interrupted replacement of `program` left
// in its folder: only names of that pattern, only regular files of this
// user that are empty or begin as the program does, only files no process
// has open. The caller holds the program
// folder's lock. Returns the paths removed.
std::vector<std::string> removeReplacementLeftovers(const std::string& program);

} // namespace horalet::platform::updater::engine
