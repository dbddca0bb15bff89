#include "app/bar_line_details.h"

#include "app/menu_dates.h"
#include "clock/clock_format.h"

namespace horalet::app {

namespace {

std::string withoutLabel(const std::string& title)
{
    const std::string label = ClockFormat::label();
    if (label.empty() || title.size() <= label.size() || title.compare(0, label.size() + 1, label + " ") != 0) {
        return title;
    }
    return title.substr(label.size() + 1);
}

} // namespace

platform::shell::BarLine barLine(const std::string& title, platform::Instant now)
{
    const MenuDates dates = menuDates(now);
    platform::shell::BarLine line;
    line.text = title;
    line.shortText = withoutLabel(title);
    line.tooltip = dates.showsLocalTime ? dates.header + "\n" + dates.localTime : dates.header;
    line.followsSystemZone = !dates.showsLocalTime;
    return line;
}

} // namespace horalet::app
