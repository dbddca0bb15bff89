#pragma once

#include <string>
#include <string_view>

namespace horalet::platform::os {

// An XDG autostart entry: a desktop entry in the user's autostart folder
// that the session starts at login.
namespace autostart {

// $XDG_CONFIG_HOME/autostart/<id>.desktop, or ~/.config/autostart/… when
// XDG_CONFIG_HOME is unset or not absolute.
std::string entryPath(std::string_view applicationId);

// The entry that starts the program at `programPath` with no arguments.
std::string entryText(std::string_view name, std::string_view programPath);

// The program path as one argument of an Exec line: always quoted, with
// the characters the desktop-entry format reserves escaped.
std::string execArgument(std::string_view programPath);

// False when the entry's main group turns it off (Hidden=true or
// X-GNOME-Autostart-enabled=false).
bool isEnabled(std::string_view entryText);

} // namespace autostart

} // namespace horalet::platform::os
