#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace horalet::testing {

// A text as one line of printable ASCII, other bytes as \xNN, for the
// names of parameterised tests.
inline std::string asciiEscaped(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && c != '\\' && c != '"') {
            out += c;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
    }
    return out + "\"";
}

} // namespace horalet::testing
