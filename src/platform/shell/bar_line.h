#pragma once

#include <functional>
#include <string>

namespace horalet::platform::shell {

// How the clock line is written for the program that reads it.
enum class BarProtocol {
    plain, // the clock text alone, one line a tick
    waybar, // one JSON object a line, for a custom module with return-type json
    i3bar, // the i3bar protocol: a header, then an endless array of status lines
};

// Everything a status bar can show of the clock at one instant. The
// tooltip and the zone state are there only when asked for.
struct BarLine {
    std::string text; // the clock text, prefix label included
    std::string shortText; // the clock text without the prefix label
    std::string tooltip; // the full date, and the local time when another zone is shown
    bool followsSystemZone = true;
};

// Completes a line from the title the clock has just shown, with the
// tooltip and zone state or without.
using BarLineDetails = std::function<BarLine(const std::string& title, bool withTooltip)>;

} // namespace horalet::platform::shell
