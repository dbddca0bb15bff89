#include "platform/linux/system/autostart_entry.h"

#include "platform/linux/paths.h"

namespace horalet::platform::os::autostart {

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

} // namespace

std::string entryPath(std::string_view applicationId)
{
    return autostartFolder() + "/" + std::string(applicationId) + ".desktop";
}

std::string execArgument(std::string_view programPath)
{
    // Inside quotes, " ` $ and \ take a backslash; the value's own escape
    // rule then doubles every backslash, and % stands for field codes.
    std::string quoted = "\"";
    for (const char c : programPath) {
        switch (c) {
        case '"':
        case '`':
        case '$':
            quoted += "\\\\";
            quoted += c;
            break;
        case '\\':
            quoted += "\\\\\\\\";
            break;
        case '%':
            quoted += "%%";
            break;
        case '\n':
            quoted += "\\n";
            break;
        default:
            quoted += c;
        }
    }
    return quoted + "\"";
}

std::string entryText(std::string_view name, std::string_view programPath)
{
    std::string text = "[Desktop Entry]\nType=Application\n";
    text += "Name=" + std::string(name) + "\n";
    text += "Exec=" + execArgument(programPath) + "\n";
    text += "Icon=horalet\nTerminal=false\nX-GNOME-Autostart-enabled=true\n";
    return text;
}

bool isEnabled(std::string_view entryText)
{
    bool inMainGroup = false;
    while (!entryText.empty()) {
        const auto end = entryText.find('\n');
        const std::string_view line = trimmed(entryText.substr(0, end));
        entryText = end == std::string_view::npos ? std::string_view{} : entryText.substr(end + 1);
        if (line.starts_with('[')) {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        const auto equals = line.find('=');
        if (!inMainGroup || equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = trimmed(line.substr(0, equals));
        const std::string_view value = trimmed(line.substr(equals + 1));
        if ((key == "Hidden" && value == "true") || (key == "X-GNOME-Autostart-enabled" && value == "false")) {
            return false;
        }
    }
    return true;
}

} // namespace horalet::platform::os::autostart
