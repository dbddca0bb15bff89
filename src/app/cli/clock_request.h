#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/shell/bar_line.h"

namespace horalet::cli {

// The long-running clocks the command line can ask for.
struct ClockRequest {
    enum class Kind {
        panel, // the desktop panel's item, or the terminal line without a display
        terminal, // the line on standard output in a bar's protocol, display or not
        settings, // the panel's clock with its settings window open
        window, // the clock in its own small window, not in the panel
    };
    Kind kind = Kind::panel;
    platform::shell::BarProtocol protocol = platform::shell::BarProtocol::plain;
};

// The clock the arguments ask for; none when they ask for a one-shot
// command instead. `error` is set when they name a clock but do not fit it.
std::optional<ClockRequest> clockRequest(const std::vector<std::string>& args, std::string& error);

} // namespace horalet::cli
