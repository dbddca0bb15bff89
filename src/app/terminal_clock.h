#pragma once

namespace horalet::app {

// Writes the clock text to standard output once a second, just after each
// whole second, until SIGINT or SIGTERM; then answers 0.
int runTerminalClock();

} // namespace horalet::app
