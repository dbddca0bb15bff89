#include <gtest/gtest.h>

#include <array>

#include "platform/foundation/locale.h"
#include "platform/foundation/system_environment.h"
#include "platform/foundation/system_time_zone.h"
#include "platform/foundation/time_zone.h"
#include "support/printing.h"
#include "support/temp_folder.h"

namespace horalet::platform {
namespace {

using horalet::testing::ScopedEnvironmentVariable;

TEST(TimeZone, UnknownIdentifiersMakeNoZone)
{
    for (const std::string id : {"", "Mars/Olympus", "Etc/Unknown", "asia/tokyo "}) {
        EXPECT_EQ(TimeZone::named(id), std::nullopt) << id;
    }
    for (const std::string id : {"Asia/Tokyo", "UTC", "America/New_York", "US/Eastern"}) {
        ASSERT_TRUE(TimeZone::named(id)) << id;
        EXPECT_EQ(TimeZone::named(id)->identifier(), id);
    }
}

TEST(TimeZone, OffsetIncludesDaylightSaving)
{
    const TimeZone london = *TimeZone::named("Europe/London");
    EXPECT_EQ(london.secondsFromGMT(Instant::fromSecondsSinceEpoch(1'750'000'000)), 3600); // June 2025
    EXPECT_EQ(london.secondsFromGMT(Instant::fromSecondsSinceEpoch(1'763'561'109)), 0); // November 2025
    EXPECT_EQ(TimeZone::named("Asia/Kolkata")->secondsFromGMT(Instant{}), 19800);
}

TEST(TimeZone, ExemplarCityIsFoundThroughTheCanonicalZone)
{
    const Locale zh = Locale::withIdentifier("zh_CN");
    EXPECT_EQ(TimeZone::named("America/New_York")->exemplarCity(zh), "纽约");
    EXPECT_EQ(TimeZone::named("US/Eastern")->exemplarCity(zh), "纽约");
    EXPECT_EQ(TimeZone::named("Asia/Shanghai")->exemplarCity(zh), "上海");
}

struct PosixLocaleCase {
    std::string value;
    std::string identifier;
};

void PrintTo(const PosixLocaleCase& c, std::ostream* out)
{
    *out << horalet::testing::asciiEscaped(c.value);
}

class PosixLocale : public ::testing::TestWithParam<PosixLocaleCase> { };

TEST_P(PosixLocale, DropsTheCodesetAndModifier)
{
    EXPECT_EQ(Locale::identifierFromPosixValue(GetParam().value), GetParam().identifier);
}

INSTANTIATE_TEST_SUITE_P(Values, PosixLocale,
    ::testing::Values(PosixLocaleCase{"zh_CN.UTF-8", "zh_CN"}, PosixLocaleCase{"ja_JP", "ja_JP"},
        PosixLocaleCase{"de_DE@euro", "de_DE"}, PosixLocaleCase{"sr_RS.UTF-8@latin", "sr_RS"},
        PosixLocaleCase{"C", "en_US_POSIX"}, PosixLocaleCase{"C.UTF-8", "en_US_POSIX"},
        PosixLocaleCase{"POSIX", "en_US_POSIX"}, PosixLocaleCase{"", "en_US_POSIX"}));

TEST(Locale, TimeFormattingFollowsLcAllThenLcTimeThenLang)
{
    ScopedEnvironmentVariable lang("LANG", "ja_JP.UTF-8");
    {
        ScopedEnvironmentVariable all("LC_ALL", "de_DE.UTF-8");
        ScopedEnvironmentVariable time("LC_TIME", "en_GB.UTF-8");
        EXPECT_EQ(Locale::fromPosixEnvironment().identifier(), "de_DE");
    }
    {
        ScopedEnvironmentVariable all("LC_ALL", "");
        ScopedEnvironmentVariable time("LC_TIME", "en_GB.UTF-8");
        EXPECT_EQ(Locale::fromPosixEnvironment().identifier(), "en_GB");
    }
    ScopedEnvironmentVariable all("LC_ALL", nullptr);
    ScopedEnvironmentVariable time("LC_TIME", nullptr);
    EXPECT_EQ(Locale::fromPosixEnvironment().identifier(), "ja_JP");
    ScopedEnvironmentVariable noLang("LANG", nullptr);
    EXPECT_EQ(Locale::fromPosixEnvironment().identifier(), "en_US_POSIX");
}

TEST(Locale, AnyIdentifierMakesALocale)
{
    EXPECT_EQ(Locale::withIdentifier("xx_YY").identifier(), "xx_YY");
    EXPECT_EQ(Locale::withIdentifier("xx_YY").icu(), icu::Locale("xx_YY"));
    EXPECT_EQ(Locale::withIdentifier("").identifier(), "");
}

TEST(Locale, IdentifiersIcuRejectsGiveTheRootLocaleAndKeepTheirText)
{
    for (const std::string& id :
        {std::string(300, 'a'), std::string("Chinese (China)"), std::string("simplifiedchinese"),
            std::string("verylonglanguage_XX"), std::string("\xFF\xFE"), std::string("zh_CN\0x", 7)}) {
        const Locale locale = Locale::withIdentifier(id);
        EXPECT_EQ(locale.identifier(), id);
        EXPECT_FALSE(locale.icu().isBogus()) << id;
    }
    EXPECT_EQ(Locale::withIdentifier("Chinese (China)").icu(), icu::Locale::getRoot());
}

TEST(Locale, BogusLocaleFromTheEnvironmentIsUsable)
{
    ScopedEnvironmentVariable all("LC_ALL", nullptr);
    ScopedEnvironmentVariable time("LC_TIME", nullptr);
    for (const char* value : {"verylonglanguage_XX", "verylonglanguage_XX.UTF-8", "Chinese (China)"}) {
        ScopedEnvironmentVariable lang("LANG", value);
        EXPECT_FALSE(Locale::fromPosixEnvironment().icu().isBogus()) << value;
    }
}

constexpr double kNovember20 = 1'763'651'045.0; // 2025-11-20T15:04:05Z
constexpr double kMarch20 = 1'742'482'800.0; // 2025-03-20T15:00:00Z: US clocks moved, European not yet
constexpr double kJuly1 = 1'751'371'200.0; // 2025-07-01T12:00:00Z
constexpr double kJanuary15 = 1'736'942'400.0; // 2025-01-15T12:00:00Z

struct TzCase {
    std::string tz;
    std::string identifier;
    // Seconds east of Greenwich on 20 November, 20 March, 1 July, 15 January.
    std::array<int, 4> offsets;
    // What turning "follow the system zone" off stores.
    std::string stored;
};

void PrintTo(const TzCase& c, std::ostream* out)
{
    *out << horalet::testing::asciiEscaped(c.tz);
}

class SystemZoneFromTz : public ::testing::TestWithParam<TzCase> { };

TEST_P(SystemZoneFromTz, FollowsTheCLibraryAndStoresADatabaseZone)
{
    const TzCase& c = GetParam();
    ScopedEnvironmentVariable tz("TZ", c.tz.c_str());
    HostEnvironment host;
    const TimeZone zone = host.systemTimeZone();
    EXPECT_EQ(zone.identifier(), c.identifier);
    const std::array<double, 4> instants{kNovember20, kMarch20, kJuly1, kJanuary15};
    for (std::size_t i = 0; i < instants.size(); ++i) {
        EXPECT_EQ(zone.secondsFromGMT(Instant{instants[i]}), c.offsets[i]) << i;
    }
    const std::string stored = databaseEquivalent(zone, Instant{kNovember20});
    EXPECT_EQ(stored, c.stored);
    EXPECT_TRUE(TimeZone::named(stored));
}

INSTANTIATE_TEST_SUITE_P(Values, SystemZoneFromTz,
    ::testing::Values(
        // Without rules the C library switches on the US dates.
        TzCase{"CET-1CEST", "CET-1CEST", {3600, 7200, 7200, 3600}, "CET"},
        TzCase{"CET-1CEST,M3.5.0,M10.5.0/3", "CET-1CEST,M3.5.0,M10.5.0/3", {3600, 3600, 7200, 3600}, "CET"},
        TzCase{"JST-9", "JST-9", {32400, 32400, 32400, 32400}, "JST"}, TzCase{"UTC0", "UTC0", {0, 0, 0, 0}, "UTC"},
        TzCase{"", "UTC", {0, 0, 0, 0}, "UTC"},
        TzCase{"<+0545>-5:45", "<+0545>-5:45", {20700, 20700, 20700, 20700}, "Asia/Kathmandu"},
        TzCase{"<-03>3", "<-03>3", {-10800, -10800, -10800, -10800}, "Etc/GMT+3"},
        TzCase{":Europe/Paris", "Europe/Paris", {3600, 3600, 7200, 3600}, "Europe/Paris"},
        TzCase{"America/New_York", "America/New_York", {-18000, -14400, -14400, -18000}, "America/New_York"},
        TzCase{":/usr/share/zoneinfo/Asia/Tokyo", "Asia/Tokyo", {32400, 32400, 32400, 32400}, "Asia/Tokyo"},
        TzCase{":/usr/share/zoneinfo/posix/Asia/Kolkata", "Asia/Kolkata", {19800, 19800, 19800, 19800}, "Asia/Kolkata"},
        TzCase{"EST5EDT", "EST5EDT", {-18000, -14400, -14400, -18000}, "EST5EDT"},
        // Southern hemisphere: summer time spans the new year.
        TzCase{"NZST-12NZDT,M9.5.0,M4.1.0/3", "NZST-12NZDT,M9.5.0,M4.1.0/3", {46800, 46800, 43200, 46800},
            "Antarctica/McMurdo"},
        // Daylight time behind standard time, as Ireland writes it: the
        // first zone of the database with the same switches.
        TzCase{"IST-1GMT0,M10.5.0,M3.5.0/1", "IST-1GMT0,M10.5.0,M3.5.0/1", {0, 0, 3600, 0}, "Atlantic/Canary"},
        // Switch times outside the day, as Greenland's rule has them. ICU's
        // database has no zone with these switches: one with today's offset.
        TzCase{"<-02>2<-01>,M3.5.0/-1,M10.5.0/0", "<-02>2<-01>,M3.5.0/-1,M10.5.0/0", {-7200, -7200, -3600, -7200},
            "Etc/GMT+2"},
        // Days of the year: J60 is 1 March, J300 27 October.
        TzCase{"XST-2XDT,J60/2,J300/2", "XST-2XDT,J60/2,J300/2", {7200, 10800, 10800, 7200}, "Etc/GMT-2"},
        // What the C library cannot read either is UTC.
        TzCase{"not a zone!", "UTC", {0, 0, 0, 0}, "UTC"}, TzCase{"Mars/Olympus", "UTC", {0, 0, 0, 0}, "UTC"},
        TzCase{":/dev/stdin", "UTC", {0, 0, 0, 0}, "UTC"},
        TzCase{"CET-1CEST,M13.5.0,M10.5.0", "UTC", {0, 0, 0, 0}, "UTC"}));

TEST(HostEnvironment, ZoneFileOutsideTheDatabaseFollowsTheRuleAtItsEnd)
{
    horalet::testing::TempFolder folder;
    const std::string path = folder.file("zone");
    horalet::testing::writeFile(
        path, std::string("TZif2", 5) + std::string(39, '\0') + "\nAEST-10AEDT,M10.1.0,M4.1.0/3\n");
    ScopedEnvironmentVariable tz("TZ", (":" + path).c_str());
    HostEnvironment host;
    EXPECT_EQ(host.systemTimeZone().secondsFromGMT(Instant{kJuly1}), 36000);
    EXPECT_EQ(host.systemTimeZone().secondsFromGMT(Instant{kJanuary15}), 39600);

    horalet::testing::writeFile(path, "not a zone file");
    host.resetSystemTimeZone();
    EXPECT_EQ(host.systemTimeZone().identifier(), "UTC");
}

TEST(HostEnvironment, SystemZoneComesFromTzAndIsReReadOnlyAfterAReset)
{
    ScopedEnvironmentVariable tz("TZ", "Asia/Tokyo");
    HostEnvironment host;
    EXPECT_EQ(host.systemTimeZone().identifier(), "Asia/Tokyo");

    ::setenv("TZ", "Europe/Paris", 1);
    EXPECT_EQ(host.systemTimeZone().identifier(), "Asia/Tokyo");
    host.resetSystemTimeZone();
    EXPECT_EQ(host.systemTimeZone().identifier(), "Europe/Paris");
}

} // namespace
} // namespace horalet::platform
