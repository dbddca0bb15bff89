#include "app/delegate/menu_dates.h"

#include <algorithm>
#include <string_view>

#include "clock/clock_format.h"
#include "clock/settings_keys.h"
#include "clock/time_zone_list.h"

namespace horalet::app {

namespace {

constexpr std::string_view kZoneLabelOpen = "（";
constexpr std::string_view kZoneLabelClose = "）";
constexpr std::string_view kLocalTimePrefix = "本机：";
constexpr std::size_t kZonesShown = 2;

} // namespace

MenuDates menuDates(const ClockSources& sources, platform::Instant now, const FullDate& fullDate)
{
    const platform::TimeZone zone = ClockFormat::timeZone(sources);
    const std::string raw = sources.d.stringForKey(K::tz).value_or(std::string());

    MenuDates dates;
    dates.header = fullDate(now, zone);
    if (!raw.empty()) {
        dates.header.append(kZoneLabelOpen).append(TZList::gmt(zone, now)).append(kZoneLabelClose);
    }
    dates.showsLocalTime = !raw.empty();
    dates.localTime = std::string(kLocalTimePrefix) + fullDate(now, sources.environment.systemTimeZone());
    return dates;
}

std::string menuDatesText(const MenuDates& dates)
{
    return dates.showsLocalTime ? dates.header + "\n" + dates.localTime : dates.header;
}

std::string KeptFullDates::operator()(platform::Instant instant, const platform::TimeZone& zone)
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
    platform::DateFormatter formatter = ClockFormat::fullDateFormatter(zone, locale);
    formatter.setTimeStyle(timeStyle_);
    formatters_.push_back(std::move(formatter));
    return formatters_.back().stringFromDate(instant);
}

} // namespace horalet::app
