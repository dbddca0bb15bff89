#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace horalet::platform::updater::engine {

// A file mapped read-only into memory: its pages come from the page cache
// and are not this program's own memory, however large the file. (Pages
// written a moment ago and not yet on disk count as the mapping process's
// private dirty memory: writeBack() a fresh file before mapping it.)
class MappedFile {
public:
    // None when the file cannot be opened or mapped; `error` says why.
    static std::optional<MappedFile> open(const std::string& path, std::string& error);

    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&&) = delete;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile();

    std::string_view bytes() const { return {data_, size_}; }

private:
    MappedFile(const char* data, std::size_t size);
    const char* data_ = nullptr;
    std::size_t size_ = 0;
};

// Waits until the file's data is on disk; false when it cannot.
bool writeBack(const std::string& path);

} // namespace horalet::platform::updater::engine
