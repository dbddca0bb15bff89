#pragma once

#include <optional>
#include <string>

namespace horalet::platform::updater::engine {

// An exclusive lock on a folder (flock on the folder itself), held until
// the object is destroyed. Horalet takes it on the program folder while it
// replaces the program file or clears its leftovers there, and on the
// download folder while a download or a staged update lives in it, so two
// running copies never remove each other's files.
class FolderLock {
public:
    // Waits for the lock.
    static std::optional<FolderLock> acquire(const std::string& folder, std::string& error);
    // None when someone else holds it (or the folder cannot be opened).
    static std::optional<FolderLock> tryAcquire(const std::string& folder);

    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&& other) noexcept;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    ~FolderLock();

private:
    explicit FolderLock(int fd);
    int fd_ = -1;
};

} // namespace horalet::platform::updater::engine
