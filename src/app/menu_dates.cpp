#include "app/menu_dates.h"

#include <string_view>

#include "clock/clock_format.h"
#include "clock/settings_keys.h"
#include "clock/time_zone_list.h"
#include "platform/foundation/system_environment.h"
#include "platform/platform.h"

namespace horalet::app {

namespace {

constexpr std::string_view kZoneLabelOpen = "（";
constexpr std::string_view kZoneLabelClose = "）";
constexpr std::string_view kLocalTimePrefix = "本机：";

} // namespace

MenuDates menuDates(platform::Instant now, const FullDate& fullDate)
{
    const platform::TimeZone zone = ClockFormat::timeZone();
    const std::string raw = ClockFormat::d().stringForKey(K::tz).value_or(std::string());

    MenuDates dates;
    dates.header = fullDate(now, zone);
    if (!raw.empty()) {
        dates.header.append(kZoneLabelOpen).append(TZList::gmt(zone)).append(kZoneLabelClose);
    }
    dates.showsLocalTime = !raw.empty();
    dates.localTime = std::string(kLocalTimePrefix) + fullDate(now, platform::environment().systemTimeZone());
    return dates;
}

} // namespace horalet::app
