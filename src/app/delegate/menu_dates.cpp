#include "app/delegate/menu_dates.h"

#include <string_view>

#include "clock/clock_format.h"
#include "clock/settings_keys.h"
#include "clock/time_zone_list.h"

namespace horalet::app {

namespace {

constexpr std::string_view kZoneLabelOpen = "（";
constexpr std::string_view kZoneLabelClose = "）";
constexpr std::string_view kLocalTimePrefix = "本机：";

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

} // namespace horalet::app
