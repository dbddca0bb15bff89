// The clock's texts over pattern × locale × zone × instant: one input is
// the settings as stored, the system's TZ and LANG, and the instant as the
// --at option takes it. Every combination must give text.
#include "app/cli/instant_parser.h"
#include "clock/clock_format.h"
#include "clock/settings_keys.h"
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
    fuzz::InputPlatform platform(in[tz], in[lang]);
    registerDefaults();
    platform::PreferencesStore& d = platform.store;
    d.setString(K::custom, in[customFormat]);
    d.setString(K::locale, in[localeId]);
    d.setString(K::tz, in[timeZone]);
    d.setString(K::label, in[prefixLabel]);
    const std::string& s = in[switches];
    d.setInteger(K::weekday, style(s, 0));
    d.setInteger(K::date, style(s, 1));
    d.setBool(K::year, flag(s, 2, false));
    d.setBool(K::use24, flag(s, 3, true));
    d.setBool(K::seconds, flag(s, 4, false));
    d.setBool(K::ampm, flag(s, 5, true));
    d.setBool(K::useCustom, flag(s, 6, false));

    const platform::Instant at
        = cli::parseInstant(in[instant]).value_or(platform::Instant::fromSecondsSinceEpoch(1'763'561'109.0));
    const platform::DateFormatter formatter = ClockFormat::make();
    (void)ClockFormat::text(at, formatter);
    const platform::TimeZone zone = ClockFormat::timeZone();
    (void)ClockFormat::fullDate(at, zone);
    (void)ClockFormat::fullDate(at, platform.environment.systemTimeZone());
    (void)TZList::gmt(zone);
    return 0;
}
