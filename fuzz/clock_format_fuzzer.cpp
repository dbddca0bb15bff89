// The clock's texts over pattern × locale × zone × instant: one input is
// the settings as stored, the system's TZ and LANG, and the instant as the
// --at option takes it. Every combination must give text.
#include "app/cli/instant_parser.h"
#include "clock/clock_format.h"
#include "clock/time_zone_list.h"
#include "fuzz_fields.h"
#include "fuzz_platform.h"

namespace {

enum Field { customFormat, localeId, timeZone, instant, switches, prefixLabel, tz, lang, fieldCount };

// One character per setting, from '0' on: weekday and date styles (a few
// values beyond the known ones), then the flags.
std::int64_t style(const std::string& s, std::size_t at)
{
    return at < s.size() ? static_cast<std::int64_t>(static_cast<unsigned char>(s[at]) % 5) - 1 : 1;
}

bool flag(const std::string& s, std::size_t at, bool fallback)
{
    return at < s.size() ? (static_cast<unsigned char>(s[at]) & 1) != 0 : fallback;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace horalet;
    const std::vector<std::string> in = fuzz::fields(data, size, fieldCount);
    fuzz::InputEnvironment system(in[tz], in[lang]);
    const std::string& s = in[switches];
    ClockFormat::Settings settings;
    settings.weekday = style(s, 0);
    settings.date = style(s, 1);
    settings.showYear = flag(s, 2, false);
    settings.use24 = flag(s, 3, true);
    settings.showSeconds = flag(s, 4, false);
    settings.showAMPM = flag(s, 5, true);
    settings.useCustom = flag(s, 6, false);
    settings.customFormat = in[customFormat];

    const platform::Instant at
        = cli::parseInstant(in[instant]).value_or(platform::Instant::fromSecondsSinceEpoch(1'763'561'109.0));
    const platform::Locale locale = ClockFormat::locale(in[localeId], system.currentLocale());
    const platform::TimeZone zone = ClockFormat::timeZone(in[timeZone], system.systemTimeZone());
    (void)ClockFormat::text(at, ClockFormat::make(settings, locale, zone), in[prefixLabel]);
    (void)ClockFormat::fullDate(at, zone, locale);
    (void)ClockFormat::fullDate(at, system.systemTimeZone(), locale);
    (void)TZList::gmt(zone, at);
    return 0;
}
