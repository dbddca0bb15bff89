#include "platform/qt/shell/bar/json_writer.h"

#include <array>

namespace horalet::platform::qt {

namespace {

void appendQuoted(std::string& json, std::string_view text)
{
    static constexpr std::array<char, 16> kHex{
        '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    json.push_back('"');
    for (const char character : text) {
        const auto byte = static_cast<unsigned char>(character);
        switch (character) {
        case '"':
            json.append("\\\"");
            break;
        case '\\':
            json.append("\\\\");
            break;
        case '\n':
            json.append("\\n");
            break;
        case '\r':
            json.append("\\r");
            break;
        case '\t':
            json.append("\\t");
            break;
        default:
            if (byte < 0x20) {
                json.append("\\u00");
                json.push_back(kHex[byte >> 4]);
                json.push_back(kHex[byte & 0x0f]);
            } else {
                json.push_back(character);
            }
        }
    }
    json.push_back('"');
}

} // namespace

void JsonObjectWriter::key(std::string_view name)
{
    if (json_.size() > 1) {
        json_.push_back(',');
    }
    appendQuoted(json_, name);
    json_.push_back(':');
}

JsonObjectWriter& JsonObjectWriter::text(std::string_view name, std::string_view value)
{
    key(name);
    appendQuoted(json_, value);
    return *this;
}

JsonObjectWriter& JsonObjectWriter::number(std::string_view name, int value)
{
    key(name);
    json_.append(std::to_string(value));
    return *this;
}

JsonObjectWriter& JsonObjectWriter::boolean(std::string_view name, bool value)
{
    key(name);
    json_.append(value ? "true" : "false");
    return *this;
}

} // namespace horalet::platform::qt
