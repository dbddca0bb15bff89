#pragma once

#include <string>

#include "app/delegate/menu_dates.h"
#include "clock/clock_format.h"
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
        , fullDates_(sources, platform::DateFormatter::Style::medium)
    {
    }

    platform::shell::BarLine line(const std::string& title, platform::Instant now, bool withTooltip);

private:
    std::string withoutLabel(const std::string& title) const;

    ClockSources sources_;
    KeptFullDates fullDates_;
};

} // namespace horalet::app
