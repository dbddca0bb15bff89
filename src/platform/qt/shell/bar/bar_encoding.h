#pragma once

#include <string>

#include "platform/shell/bar_line.h"

namespace horalet::platform::qt {

// The block name a bar hands back with a click on the clock.
inline constexpr char kBarBlockName[] = "horalet";
inline constexpr char kBarBlockInstance[] = "clock";

// What goes out before the first line: the i3bar header and the opening of
// its endless array; nothing for the other protocols.
std::string barPreamble(shell::BarProtocol protocol);

// One output line, without its line break.
std::string encodeBarLine(shell::BarProtocol protocol, const shell::BarLine& line);

// What goes before a line: after the first, i3bar lines continue the array
// with a comma.
std::string barLineLead(shell::BarProtocol protocol, bool first);

// Whether the protocol shows more than the clock text, and whether that
// includes the tooltip and zone state.
bool needsDetails(shell::BarProtocol protocol);
bool needsTooltip(shell::BarProtocol protocol);

// Whether a line equal to the last one written is written again.
bool repeatsUnchangedLines(shell::BarProtocol protocol);

} // namespace horalet::platform::qt
