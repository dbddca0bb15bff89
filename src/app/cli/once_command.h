#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace horalet::cli {

// horalet --once [--at TIME]: the clock text for the stored settings, once.
int runOnce(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace horalet::cli
