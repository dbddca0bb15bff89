#pragma once

#include <string>

#include "app/delegate/minute_turn.h"
#include "clock/clock_format.h"
#include "platform/foundation/date_formatter.h"
#include "platform/foundation/instant.h"

namespace horalet::app {

// The clock title at each tick, formatted afresh only when it can have
// changed: at every tick when the pattern shows seconds, else when the
// zone's own minute turns. A tick that finds the title unchanged then
// costs a comparison, not a round through the formatter and the store.
class ClockTitle {
public:
    explicit ClockTitle(ClockSources sources)
        : sources_(sources)
    {
    }

    const std::string& at(platform::Instant now, const platform::DateFormatter& formatter);
    // Formats afresh at the next call: after the settings, the zone or the
    // clock changed.
    void forget() { held_.forget(); }

private:
    ClockSources sources_;
    std::string title_;
    HeldSpan held_;
};

} // namespace horalet::app
