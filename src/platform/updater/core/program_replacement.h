#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace horalet::platform::updater::engine {

// Where the program file replaced by an update is kept.
std::string backupPathFor(const std::string& program);

// Replaces the program file with `contents` so that a kill at any moment
// leaves the old program or the new one in place, never a torn one: the
// old file is kept at backupPathFor(program), the new bytes go to a file in
// the same folder with the old file's mode, are flushed to disk and renamed
// over the program, and the folder is flushed, all under the program
// folder's lock. A running program keeps running from the old file.
// `beforeRename` runs once the new file is complete. On failure `error` says why and the program is unchanged.
bool replaceProgramFile(const std::string& program, std::string_view contents, std::string& error,
    const std::function<void()>& beforeRename = {});

} // namespace horalet::platform::updater::engine
