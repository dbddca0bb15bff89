#pragma once

#include "app/delegate/menu_dates.h"
#include "clock/clock_format.h"
#include "platform/foundation/instant.h"
#include "platform/foundation/time_zone.h"
#include "platform/shell/status_bar.h"

namespace horalet::app {

// The wall clock's hour (0–23) and minute in a zone at an instant.
struct TimeOfDay {
    int hour = 0;
    int minute = 0;

    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

TimeOfDay timeOfDay(platform::Instant instant, const platform::TimeZone& zone);

// What the status item shows besides its title: the time of day in the
// zone the clock shows, and as tooltip the dates the status menu shows,
// with the time to the minute. A panel keeps a tooltip until it is told
// of a change, so seconds in it would go stale, and a tooltip that changed
// every second would cost the panel a round trip every second.
class StatusGlances {
public:
    explicit StatusGlances(ClockSources sources)
        : sources_(sources)
        , fullDates_(sources, platform::DateFormatter::Style::shortStyle)
    {
    }

    platform::shell::StatusGlance at(platform::Instant now);

private:
    ClockSources sources_;
    KeptFullDates fullDates_;
};

} // namespace horalet::app
