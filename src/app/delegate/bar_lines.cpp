#include "app/delegate/bar_lines.h"

#include <functional>

#include "app/delegate/menu_dates.h"
#include "clock/clock_format.h"

namespace horalet::app {

std::string BarLines::withoutLabel(const std::string& title) const
{
    const std::string label = ClockFormat::label(sources_);
    if (label.empty() || title.size() <= label.size() || title.compare(0, label.size() + 1, label + " ") != 0) {
        return title;
    }
    return title.substr(label.size() + 1);
}

platform::shell::BarLine BarLines::line(const std::string& title, platform::Instant now, bool withTooltip)
{
    platform::shell::BarLine line;
    line.text = title;
    line.shortText = withoutLabel(title);
    if (!withTooltip) {
        return line;
    }
    const MenuDates dates = menuDates(sources_, now, std::ref(fullDates_));
    line.tooltip = menuDatesText(dates);
    line.followsSystemZone = !dates.showsLocalTime;
    return line;
}

} // namespace horalet::app
