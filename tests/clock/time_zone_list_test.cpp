#include <gtest/gtest.h>

#include <unicode/strenum.h>
#include <unicode/timezone.h>

#include "clock/time_zone_list.h"
#include "icu_reference.h"

namespace horalet {
namespace {

using platform::Instant;

constexpr double kNovember = 1'763'561'109.0; // 2025-11-19T14:05:09Z
constexpr double kJuly = 1'751'371'200.0; // 2025-07-01T12:00:00Z

struct LabelCase {
    int seconds;
    std::string label;
};

TEST(TZListGmt, LabelForEveryKindOfOffset)
{
    const std::vector<LabelCase> cases{
        {8 * 3600, "GMT+8"},
        {5 * 3600 + 30 * 60, "GMT+5:30"},
        {-(3 * 3600 + 30 * 60), "GMT-3:30"},
        {5 * 3600 + 45 * 60, "GMT+5:45"},
        {-10 * 3600, "GMT-10"},
        {0, "GMT+0"},
        {14 * 3600, "GMT+14"},
        {-(30 * 60), "GMT-0:30"},
        {5 * 3600 + 30 * 60 + 59, "GMT+5:30"}, // leftover seconds are dropped
        {-59, "GMT-0"},
    };
    for (const LabelCase& c : cases) {
        EXPECT_EQ(TZList::gmtLabel(c.seconds), c.label) << c.seconds;
    }
}

TEST(TZListGmt, ZoneLabelIsItsOffsetAtTheGivenInstant)
{
    const platform::TimeZone london = *platform::TimeZone::named("Europe/London");
    EXPECT_EQ(TZList::gmt(london, Instant{kJuly}), "GMT+1");
    EXPECT_EQ(TZList::gmt(london, Instant{kNovember}), "GMT+0");
    EXPECT_EQ(TZList::gmt(*platform::TimeZone::named("Asia/Kathmandu"), Instant{kNovember}), "GMT+5:45");
}

int offsetOf(const std::string& id, double at)
{
    return platform::TimeZone::named(id)->secondsFromGMT(Instant{at});
}

class TZListBuild : public ::testing::Test {
protected:
    const std::vector<TZItem> catalogue = TZList::build(Instant{kNovember});
};

TEST_F(TZListBuild, HoldsEveryZoneTheDatabaseCanMakeAndNothingElse)
{
    std::vector<std::string> makeable;
    const std::unique_ptr<icu::StringEnumeration> ids(icu::TimeZone::createEnumeration());
    UErrorCode status = U_ZERO_ERROR;
    while (const icu::UnicodeString* id = ids->snext(status)) {
        if (platform::TimeZone::named(icu_reference::utf8(*id))) {
            makeable.push_back(icu_reference::utf8(*id));
        }
    }
    std::vector<std::string> listed;
    for (const TZItem& item : catalogue) {
        listed.push_back(item.id);
    }
    std::sort(makeable.begin(), makeable.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, makeable);
    EXPECT_EQ(std::count(listed.begin(), listed.end(), "Etc/Unknown"), 0);
    EXPECT_GT(listed.size(), 400U);
}

TEST_F(TZListBuild, SortedByOffsetThenIdentifierByCodePoints)
{
    for (std::size_t i = 1; i < catalogue.size(); ++i) {
        const int before = offsetOf(catalogue[i - 1].id, kNovember);
        const int after = offsetOf(catalogue[i].id, kNovember);
        ASSERT_TRUE(before < after || (before == after && catalogue[i - 1].id < catalogue[i].id))
            << catalogue[i - 1].id << " then " << catalogue[i].id;
    }
    const auto position = [&](std::string_view id) {
        return std::find_if(catalogue.begin(), catalogue.end(), [&](const TZItem& item) { return item.id == id; })
            - catalogue.begin();
    };
    // Upper case before lower case among equal offsets.
    EXPECT_LT(position("EST5EDT"), position("Etc/GMT+5"));
    EXPECT_LT(position("America/New_York"), position("US/Eastern"));
    EXPECT_EQ(catalogue.back().id, "Pacific/Kiritimati");
}

TEST_F(TZListBuild, TitleIsIdentifierChineseGenericNameAndLabel)
{
    for (const TZItem& item : catalogue) {
        const std::string label = TZList::gmtLabel(offsetOf(item.id, kNovember));
        ASSERT_TRUE(item.title.starts_with(item.id + " · ")) << item.title;
        ASSERT_TRUE(item.title.ends_with(" · " + label)) << item.title;
    }
    const auto titleOf = [&](std::string_view id) {
        return std::find_if(catalogue.begin(), catalogue.end(), [&](const TZItem& item) {
            return item.id == id;
        })->title;
    };
    EXPECT_EQ(titleOf("Asia/Shanghai"), "Asia/Shanghai · 中国标准时间 · GMT+8");
    EXPECT_EQ(titleOf("America/New_York"), "America/New_York · 北美东部时间 · GMT-5");
    EXPECT_TRUE(titleOf("UTC").starts_with("UTC · "));
    EXPECT_TRUE(titleOf("UTC").ends_with(" · GMT+0"));
}

TEST_F(TZListBuild, OffsetsAndLabelsAreThoseOfTheBuildInstant)
{
    const std::vector<TZItem> summer = TZList::build(Instant{kJuly});
    const auto london = [](const std::vector<TZItem>& list) {
        return std::find_if(list.begin(), list.end(), [](const TZItem& item) {
            return item.id == "Europe/London";
        })->title;
    };
    EXPECT_TRUE(london(catalogue).ends_with("GMT+0"));
    EXPECT_TRUE(london(summer).ends_with("GMT+1"));
}

TEST(TZListAll, BuiltOnceAndSharedBetweenThreads)
{
    const std::vector<TZItem>* seen[2] = {};
    std::thread other([&] { seen[0] = &TZList::all(); });
    seen[1] = &TZList::all();
    other.join();
    EXPECT_EQ(seen[0], seen[1]);
    EXPECT_EQ(TZList::lowercasedTitles().size(), TZList::all().size());
}

} // namespace
} // namespace horalet
