#include "app/delegate/bar_lines.h"

#include <algorithm>

#include "app/delegate/menu_dates.h"
#include "clock/clock_format.h"

namespace horalet::app {

namespace {

constexpr std::size_t kZonesShown = 2;

} // namespace

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
    const MenuDates dates = menuDates(sources_, now,
        [this](platform::Instant instant, const platform::TimeZone& zone) { return fullDate(instant, zone); });
    line.tooltip = dates.showsLocalTime ? dates.header + "\n" + dates.localTime : dates.header;
    line.followsSystemZone = !dates.showsLocalTime;
    return line;
}

std::string BarLines::fullDate(platform::Instant instant, const platform::TimeZone& zone)
{
    const platform::Locale locale = ClockFormat::locale(sources_);
    const auto kept
        = std::find_if(formatters_.begin(), formatters_.end(), [&](const platform::DateFormatter& formatter) {
              return formatter.timeZone() == zone && formatter.locale().identifier() == locale.identifier();
          });
    if (kept != formatters_.end()) {
        return kept->stringFromDate(instant);
    }
    if (formatters_.size() == kZonesShown) {
        formatters_.erase(formatters_.begin());
    }
    formatters_.push_back(ClockFormat::fullDateFormatter(zone, locale));
    return formatters_.back().stringFromDate(instant);
}

} // namespace horalet::app
