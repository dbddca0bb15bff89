#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace horalet::cli {

inline constexpr int kExitBadInput = 2;

// Runs a one-shot command (--once, defaults, zones, --help, --version) and
// answers its exit status; none when the arguments ask for a clock that
// keeps running (see clockRequest).
std::optional<int> runCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Writes "horalet: <message>" on err and answers the bad-input status.
int badInput(std::ostream& err, const std::string& message);

} // namespace horalet::cli
