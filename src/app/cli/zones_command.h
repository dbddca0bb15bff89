#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace horalet::cli {

// horalet zones [QUERY]: the zone picker's rows for QUERY and the stored zone.
int runZones(const std::vector<std::string>& args, std::ostream& out);

} // namespace horalet::cli
