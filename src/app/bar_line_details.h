#pragma once

#include <string>

#include "platform/foundation/instant.h"
#include "platform/shell/bar_line.h"

namespace horalet::app {

// A status bar's line for the clock title shown at `now`: the text without
// its prefix label, and as tooltip what the status menu shows of the date.
platform::shell::BarLine barLine(const std::string& title, platform::Instant now);

} // namespace horalet::app
