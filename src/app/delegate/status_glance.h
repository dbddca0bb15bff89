#pragma once

#include <optional>

#include "app/delegate/menu_dates.h"
#include "app/delegate/minute_turn.h"
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
// every second would cost the panel a round trip every second. A glance
// holds until the shown zone's minute turns, the same instant the title's
// minute turns.
class StatusGlances {
public:
    explicit StatusGlances(ClockSources sources)
        : sources_(sources)
        , fullDates_(sources, platform::DateFormatter::Style::shortStyle)
    {
    }

    // The glance at `now`, or nothing while the last one given still holds.
    std::optional<platform::shell::StatusGlance> changedAt(platform::Instant now);
    // Gives a glance at the next call: after the settings or the zone changed.
    void forget() { held_.forget(); }

private:
    ClockSources sources_;
    KeptFullDates fullDates_;
    HeldSpan held_;
};

} // namespace horalet::app
