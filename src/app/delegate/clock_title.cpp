#include "app/delegate/clock_title.h"

#include "app/delegate/minute_turn.h"

namespace horalet::app {

const std::string& ClockTitle::at(platform::Instant now, const platform::DateFormatter& formatter)
{
    if (held_.holds(now)) {
        return title_;
    }
    title_ = ClockFormat::text(sources_, now, formatter);
    const bool secondly = !formatter.dateFormat() || ClockFormat::changesWithinAMinute(*formatter.dateFormat());
    held_.hold(now, secondly ? now : nextMinute(now, formatter.timeZone()));
    return title_;
}

} // namespace horalet::app
