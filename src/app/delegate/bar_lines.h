#pragma once

#include <string>
#include <vector>

#include "clock/clock_format.h"
#include "platform/foundation/date_formatter.h"
#include "platform/foundation/instant.h"
#include "platform/shell/bar_line.h"

namespace horalet::app {

// Completes the clock titles into status bars' lines: the text without its
// prefix label, and as tooltip what the status menu shows of the date. A
// bar asks every second, so the full-date formatters are kept while the
// locale and zones stay the same, instead of being built per line.
class BarLines {
public:
    explicit BarLines(ClockSources sources)
        : sources_(sources)
    {
    }

    platform::shell::BarLine line(const std::string& title, platform::Instant now, bool withTooltip);

private:
    std::string withoutLabel(const std::string& title) const;
    std::string fullDate(platform::Instant instant, const platform::TimeZone& zone);

    ClockSources sources_;
    // One per zone shown: the clock's and the system's.
    std::vector<platform::DateFormatter> formatters_;
};

} // namespace horalet::app
