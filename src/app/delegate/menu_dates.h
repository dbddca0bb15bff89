#pragma once

#include <functional>
#include <string>

#include "clock/clock_format.h"
#include "platform/foundation/instant.h"
#include "platform/foundation/time_zone.h"

namespace horalet::app {

// The dates the status menu shows at one instant: the full date in the
// shown zone, with the zone's GMT label when a zone is chosen, and the
// local time, shown only when a zone is chosen.
struct MenuDates {
    std::string header;
    std::string localTime;
    bool showsLocalTime = false;
};

// Formats the full date of an instant in a zone (ClockFormat::fullDate, or
// the same from formatters kept between calls).
using FullDate = std::function<std::string(platform::Instant, const platform::TimeZone&)>;

MenuDates menuDates(const ClockSources& sources, platform::Instant now, const FullDate& fullDate);

} // namespace horalet::app
