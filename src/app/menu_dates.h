#pragma once

#include <string>

#include "platform/foundation/instant.h"

namespace horalet::app {

// The dates the status menu shows at one instant: the full date in the
// shown zone, with the zone's GMT label when a zone is chosen, and the
// local time, shown only when a zone is chosen.
struct MenuDates {
    std::string header;
    std::string localTime;
    bool showsLocalTime = false;
};

MenuDates menuDates(platform::Instant now);

} // namespace horalet::app
