#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <sys/types.h>

#include "platform/foundation/result.h"

namespace horalet::platform::os {

// Replaces `path` with `contents` so that a crash at any moment leaves
// either the old file or the new one, never a torn one: the bytes go to a
// temporary file in the same folder, which is flushed to disk and renamed
// over the target, and then the folder itself is flushed.
// `beforeRename` runs after the temporary file is complete (tests use it to
// stand for a crash at that moment).
Result<void> writeFileAtomically(
    const std::string& path, std::string_view contents, mode_t mode, const std::function<void()>& beforeRename = {});

// Removes the temporary files that writeFileAtomically(path, ...) left
// behind when its process died before the rename. Only safe while no other
// writer of `path` can be at work, i.e. under the lock all writers take.
void removeLeftoverTemporaries(const std::string& path);

// Creates a folder and its missing parents with the given mode.
Result<void> makeFolders(const std::string& path, mode_t mode);

Result<std::string> readWholeFile(const std::string& path);

std::string folderOf(const std::string& path);

} // namespace horalet::platform::os
