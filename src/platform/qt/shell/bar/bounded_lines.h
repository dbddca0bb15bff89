#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace horalet::platform::qt {

// Cuts a byte stream into lines of at most `limit` bytes. A longer line is
// dropped whole, up to its line break, so whatever arrives, the held bytes
// never exceed the limit.
class BoundedLines {
public:
    explicit BoundedLines(std::size_t limit)
        : limit_(limit)
    {
    }

    // Calls `line` with every line the bytes complete, without its break.
    void feed(std::string_view bytes, const std::function<void(std::string_view)>& line);

private:
    std::size_t limit_;
    std::string pending_;
    bool dropping_ = false;
};

} // namespace horalet::platform::qt
