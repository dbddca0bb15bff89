#pragma once

#include <string>
#include <vector>

#include "clock/clock_format.h"

namespace horalet::app {

// The clock text, with the current settings, for instants spread over every
// weekday, every month and the hours of a day: among them is the widest
// text the settings can produce, which panels use to keep the clock's
// width steady.
std::vector<std::string> clockTextSamples(const ClockSources& sources);

} // namespace horalet::app
