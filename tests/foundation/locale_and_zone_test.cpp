#include <gtest/gtest.h>

#include "platform/foundation/locale.h"
#include "platform/foundation/system_environment.h"
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
