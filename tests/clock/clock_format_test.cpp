#include <gtest/gtest.h>

#include "clock/clock_format.h"
#include "clock/settings_keys.h"
#include "icu_reference.h"
#include "support/fake_platform.h"
#include "support/printing.h"

namespace horalet {
namespace {

using platform::Instant;

constexpr double kAfternoon = 1'763'561'109.0; // 2025-11-19T14:05:09Z, a Wednesday
constexpr double kNewYear = 1'735'689'600.0; // 2025-01-01T00:00:00Z

class ClockFormatTest : public ::testing::Test {
protected:
    ClockFormatTest()
    {
        fake.environment.setSystemZone("Europe/Berlin");
        fake.environment.setLocale("zh_CN");
        registerDefaults(fake.store);
    }

    platform::PreferencesStore& d() { return fake.store; }

    testing::FakePlatform fake;
};

struct SkeletonCase {
    std::int64_t weekday;
    std::int64_t date;
    bool showYear;
    bool use24;
    bool showSeconds;
    std::string skeleton;
};

const std::vector<SkeletonCase> kSkeletons{
    {1, 1, false, true, false, "EEEMMMdHHmm"},
    {2, 2, true, false, true, "EEEEMdyhmmssa"},
    {0, 0, true, true, true, "HHmmss"},
    {0, 1, false, false, false, "MMMdhmma"},
    {7, 1, false, true, false, "MMMdHHmm"},
    {-1, 5, true, true, false, "yHHmm"},
    {2, 0, true, false, false, "EEEEhmma"},
    {1, 2, false, false, true, "EEEMdhmmssa"},
};

TEST(ClockFormatSkeleton, FieldsInOrder)
{
    for (const SkeletonCase& c : kSkeletons) {
        EXPECT_EQ(ClockFormat::skeleton(c.weekday, c.date, c.showYear, c.use24, c.showSeconds), c.skeleton)
            << c.weekday << " " << c.date << " " << c.showYear << " " << c.use24 << " " << c.showSeconds;
    }
}

struct StripCase {
    std::string pattern;
    std::string stripped;
};

void PrintTo(const StripCase& c, std::ostream* out)
{
    *out << testing::asciiEscaped(c.pattern);
}

class Stripping : public ::testing::TestWithParam<StripCase> { };

TEST_P(Stripping, DropsDayPeriodsOutsideQuotesThenCollapsesSpacesAndTrims)
{
    EXPECT_EQ(ClockFormat::strippingDayPeriod(GetParam().pattern), GetParam().stripped);
}

INSTANTIATE_TEST_SUITE_P(Patterns, Stripping,
    ::testing::Values(StripCase{"h:mm a", "h:mm"}, StripCase{"a h:mm", "h:mm"}, StripCase{"EEE B h:mm", "EEE h:mm"},
        StripCase{"h 'at' a", "h 'at'"}, StripCase{"HH:mm", "HH:mm"},
        // The forms ICU gives: U+202F before the marker (en_US), none at all (zh_CN).
        StripCase{"h:mm\u202Fa", "h:mm"}, StripCase{"M月d日EEE ah:mm", "M月d日EEE h:mm"},
        StripCase{"bbbb h:mm", "h:mm"},
        // Quoted literals keep their letters; a doubled quote is a quote.
        StripCase{"h 'a b B' a", "h 'a b B'"}, StripCase{"h''a", "h''"}, StripCase{"'o''clock' h a", "'o''clock' h"},
        // Only runs of U+0020 collapse; line breaks are not trimmed.
        StripCase{"h\u00A0\u00A0mm a", "h\u00A0\u00A0mm"}, StripCase{"a  h   mm", "h mm"},
        StripCase{"\th:mm a\n", "h:mm \n"},
        // A letter with a combining mark is one character, not the field "a".
        StripCase{"a\u0301 h", "a\u0301 h"}, StripCase{"", ""}));

struct MinuteCase {
    const char* pattern;
    bool changes;
};

TEST(ChangesWithinAMinute, SecondsAndFinerFieldsCountOutsideQuotesOnly)
{
    const std::vector<MinuteCase> cases{
        {"HH:mm", false},
        {"M月d日EEE HH:mm", false},
        {"EEE M月d日 HH:mm:ss", true},
        {"h:mm:ss.SSS a", true},
        {"A", true},
        {"'s' HH:mm", false},
        {"'it''s' HH:mm", false},
        {"HH:mm ''ss", true},
        {"EEEE d MMMM y, HH 'seconds'", false},
        {"", false},
    };
    for (const MinuteCase& c : cases) {
        EXPECT_EQ(ClockFormat::changesWithinAMinute(c.pattern), c.changes) << c.pattern;
    }
}

struct MakeCase {
    SkeletonCase fields;
    bool showAMPM;
};

const std::vector<MakeCase> kMakeCases{
    {kSkeletons[0], true},
    {kSkeletons[1], true},
    {kSkeletons[2], true},
    {kSkeletons[3], true},
    {kSkeletons[4], false}, // 24-hour: AM/PM off changes nothing
    {kSkeletons[5], true},
    {kSkeletons[1], false},
    {kSkeletons[3], false},
    {kSkeletons[6], false},
    {kSkeletons[7], false},
};

class MakeForLocale : public ClockFormatTest, public ::testing::WithParamInterface<std::string> { };

// The pattern is the locale's own for the skeleton, stripped only in the
// 12-hour clock without the marker; the text is what ICU makes of it.
TEST_P(MakeForLocale, PatternIsTheLocalesBestPatternForTheSkeleton)
{
    const std::string locale = GetParam();
    d().setString(K::locale, locale);
    d().setString(K::tz, "America/New_York");
    for (const MakeCase& c : kMakeCases) {
        const SkeletonCase& f = c.fields;
        d().setInteger(K::weekday, f.weekday);
        d().setInteger(K::date, f.date);
        d().setBool(K::year, f.showYear);
        d().setBool(K::use24, f.use24);
        d().setBool(K::seconds, f.showSeconds);
        d().setBool(K::ampm, c.showAMPM);

        const std::string best = icu_reference::bestPattern(f.skeleton, locale);
        ASSERT_FALSE(best.empty());
        const bool strip = !f.use24 && !c.showAMPM;
        const std::string expected = strip ? ClockFormat::strippingDayPeriod(best) : best;
        const platform::DateFormatter formatter = ClockFormat::make(fake.sources());
        SCOPED_TRACE(f.skeleton + (c.showAMPM ? " with AM/PM" : " without AM/PM"));
        EXPECT_EQ(formatter.dateFormat(), expected);
        if (strip) {
            EXPECT_EQ(expected.find_first_of("abB"), std::string::npos) << expected;
        }
        EXPECT_EQ(formatter.locale().identifier(), locale);
        EXPECT_EQ(formatter.timeZone().identifier(), "America/New_York");
        for (const double at : {kAfternoon, kNewYear}) {
            EXPECT_EQ(ClockFormat::text(fake.sources(), Instant{at}, formatter),
                icu_reference::withPattern(expected, locale, "America/New_York", at));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, MakeForLocale, ::testing::Values("zh_CN", "en_US", "ja_JP"));

TEST_F(ClockFormatTest, StrippedEnglishPatternLosesTheNarrowSpaceBeforeTheMarker)
{
    d().setString(K::locale, "en_US");
    d().setBool(K::use24, false);
    d().setBool(K::ampm, false);
    d().setInteger(K::weekday, 0);
    d().setInteger(K::date, 0);
    EXPECT_EQ(ClockFormat::make(fake.sources()).dateFormat(), "h:mm");
}

TEST_F(ClockFormatTest, CustomPatternIsUsedExactlyAsStored)
{
    d().setBool(K::useCustom, true);
    d().setBool(K::use24, false);
    d().setBool(K::ampm, false);
    for (const std::string custom : {" ", "h:mm a", "  HH:mm  ", "EEE M月d日 HH:mm:ss", "'unterminated"}) {
        d().setString(K::custom, custom);
        EXPECT_EQ(ClockFormat::make(fake.sources()).dateFormat(), custom);
    }
    d().setString(K::custom, " ");
    EXPECT_EQ(ClockFormat::text(fake.sources(), Instant{kAfternoon}, ClockFormat::make(fake.sources())), " ");
}

TEST_F(ClockFormatTest, EmptyOrUnusedCustomPatternGivesTheAssembledOne)
{
    const std::string assembled = icu_reference::bestPattern("EEEMMMdHHmm", "zh_CN");
    d().setString(K::custom, "HH");
    EXPECT_EQ(ClockFormat::make(fake.sources()).dateFormat(), assembled);

    d().setBool(K::useCustom, true);
    d().setString(K::custom, "");
    EXPECT_EQ(ClockFormat::make(fake.sources()).dateFormat(), assembled);

    // Before the defaults are registered the custom pattern is absent, and
    // every other setting reads as 0 or false.
    testing::FakePlatform unregistered;
    unregistered.environment.setLocale("zh_CN");
    unregistered.store.setBool(K::useCustom, true);
    EXPECT_EQ(ClockFormat::make(unregistered.sources()).dateFormat(),
        ClockFormat::strippingDayPeriod(icu_reference::bestPattern("hmma", "zh_CN")));
}

struct ZoneCase {
    std::string stored;
    std::string used;
};

TEST_F(ClockFormatTest, UnknownOrEmptyZoneFallsBackToTheSystemZoneOnEveryPath)
{
    const std::vector<ZoneCase> cases{{"", "Europe/Berlin"}, {"Asia/Tokyo", "Asia/Tokyo"},
        {"Mars/Olympus", "Europe/Berlin"}, {"Etc/Unknown", "Europe/Berlin"}, {"US/Eastern", "US/Eastern"}};
    for (const bool useCustom : {false, true}) {
        d().setBool(K::useCustom, useCustom);
        for (const ZoneCase& c : cases) {
            d().setString(K::tz, c.stored);
            EXPECT_EQ(ClockFormat::timeZone(fake.sources()).identifier(), c.used) << c.stored;
            EXPECT_EQ(ClockFormat::make(fake.sources()).timeZone().identifier(), c.used)
                << c.stored << " custom " << useCustom;
        }
    }
}

TEST_F(ClockFormatTest, LocaleIsTheStoredIdentifierUnchangedOrTheCurrentOne)
{
    fake.environment.setLocale("ja_JP");
    for (const bool useCustom : {false, true}) {
        d().setBool(K::useCustom, useCustom);
        for (const std::string& stored :
            {std::string(), std::string("en_US"), std::string("xx_YY"), std::string(" de")}) {
            d().setString(K::locale, stored);
            const std::string expected = stored.empty() ? "ja_JP" : stored;
            EXPECT_EQ(ClockFormat::locale(fake.sources()).identifier(), expected);
            EXPECT_EQ(ClockFormat::make(fake.sources()).locale().identifier(), expected);
        }
    }
}

// Identifiers ICU rejects outright (it marks the locale bogus): each one
// must still give text, formatted with the root locale's data.
const std::vector<std::string> kBogusLocaleIds{
    std::string(300, 'a'), "Chinese (China)", "simplifiedchinese", "verylonglanguage_XX"};

TEST_F(ClockFormatTest, BogusLocaleFromTheStoreOrTheSystemFormatsWithTheRootLocale)
{
    d().setString(K::tz, "UTC");
    const platform::TimeZone newYork = *platform::TimeZone::named("America/New_York");
    const std::string rootClock
        = icu_reference::withPattern(icu_reference::bestPattern("EEEMMMdHHmm", ""), "", "UTC", kAfternoon);
    const std::string rootFullDate = icu_reference::fullDateMediumTime("", "America/New_York", kAfternoon);
    for (const std::string& id : kBogusLocaleIds) {
        for (const bool stored : {true, false}) {
            d().setString(K::locale, stored ? id : std::string());
            fake.environment.setLocale(stored ? "ja_JP" : id);
            EXPECT_EQ(
                ClockFormat::text(fake.sources(), Instant{kAfternoon}, ClockFormat::make(fake.sources())), rootClock)
                << id << stored;
            EXPECT_EQ(ClockFormat::fullDate(fake.sources(), Instant{kAfternoon}, newYork), rootFullDate)
                << id << stored;
        }
    }
}

struct LabelCase {
    std::string label;
    std::string text;
};

TEST_F(ClockFormatTest, LabelIsTrimmedButTheFormattedTextNever)
{
    d().setString(K::tz, "UTC");
    d().setBool(K::useCustom, true);
    d().setString(K::custom, "HH:mm");
    const platform::DateFormatter formatter = ClockFormat::make(fake.sources());

    // Read at every call: a new label shows without a new formatter.
    const std::vector<LabelCase> cases{
        {"", "14:05"},
        {"  东京  ", "东京 14:05"},
        {"    ", "14:05"},
        {"\t\u00A0东京\u202F\u3000", "东京 14:05"},
        {"\n东京\n", "\n东京\n 14:05"},
        {"东  京", "东  京 14:05"},
    };
    for (const LabelCase& c : cases) {
        d().setString(K::label, c.label);
        EXPECT_EQ(ClockFormat::text(fake.sources(), Instant{kAfternoon}, formatter), c.text) << c.label;
    }

    d().setString(K::custom, " HH:mm ");
    d().setString(K::label, " 东京 ");
    EXPECT_EQ(
        ClockFormat::text(fake.sources(), Instant{kAfternoon}, ClockFormat::make(fake.sources())), "东京  14:05 ");
}

TEST_F(ClockFormatTest, FullDateUsesTheZoneGivenAndOnlyTheLocaleSetting)
{
    d().setString(K::tz, "Asia/Tokyo");
    for (const std::string locale : {"zh_CN", "en_US", "ja_JP"}) {
        d().setString(K::locale, locale);
        const platform::TimeZone newYork = *platform::TimeZone::named("America/New_York");
        const std::string plain = ClockFormat::fullDate(fake.sources(), Instant{kAfternoon}, newYork);
        EXPECT_EQ(plain, icu_reference::fullDateMediumTime(locale, "America/New_York", kAfternoon));

        d().setBool(K::useCustom, true);
        d().setString(K::custom, "HH");
        d().setBool(K::use24, false);
        d().setBool(K::ampm, false);
        d().setBool(K::seconds, false);
        d().setInteger(K::weekday, 0);
        d().setInteger(K::date, 0);
        EXPECT_EQ(ClockFormat::fullDate(fake.sources(), Instant{kAfternoon}, newYork), plain);
        d().setBool(K::useCustom, false);
    }
}

} // namespace
} // namespace horalet
