#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace horalet::fuzz {

// Splits a fuzz input into `count` text fields at newlines; the last field
// takes the rest, missing fields are empty. Inputs stay readable as text,
// so the saved corpus can be read and written by hand.
inline std::vector<std::string> fields(const std::uint8_t* data, std::size_t size, std::size_t count)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> parts;
    while (parts.size() + 1 < count) {
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos) {
            break;
        }
        parts.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    parts.emplace_back(rest);
    parts.resize(count);
    return parts;
}

} // namespace horalet::fuzz
