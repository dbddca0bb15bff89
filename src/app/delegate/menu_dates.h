#pragma once

#include <functional>
#include <string>
#include <vector>

#include "clock/clock_format.h"
#include "platform/foundation/date_formatter.h"
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

// The dates as one text: the header, with the local time on a line below
// when it is shown.
std::string menuDatesText(const MenuDates& dates);

// A FullDate for callers that format every second or minute: the full
// date with the time in the given style, from formatters kept while the
// locale and the zones shown stay the same, instead of built per call.
class KeptFullDates {
public:
    KeptFullDates(ClockSources sources, platform::DateFormatter::Style timeStyle)
        : sources_(sources)
        , timeStyle_(timeStyle)
    {
    }

    std::string operator()(platform::Instant instant, const platform::TimeZone& zone);

private:
    ClockSources sources_;
    platform::DateFormatter::Style timeStyle_;
    // One per zone shown: the clock's and the system's.
    std::vector<platform::DateFormatter> formatters_;
};

} // namespace horalet::app
