#include <gtest/gtest.h>

#include "clock/zone_choice.h"
#include "platform/foundation/system_time_zone.h"

namespace horalet {
namespace {

std::vector<std::string> idsOf(const std::vector<TZItem>& items)
{
    std::vector<std::string> ids;
    for (const TZItem& item : items) {
        ids.push_back(item.id);
    }
    return ids;
}

bool listsId(const std::vector<TZItem>& items, std::string_view id)
{
    return std::any_of(items.begin(), items.end(), [&](const TZItem& item) { return item.id == id; });
}

class FilteredZonesTest : public ::testing::Test {
protected:
    const std::vector<TZItem>& all = TZList::all();
};

TEST_F(FilteredZonesTest, BlankQueryListsTheWholeCatalogue)
{
    for (const std::string query : {"", "   ", "\t\u00A0\u3000"}) {
        EXPECT_EQ(ZoneChoice::filteredZones(query, ""), all) << query;
        EXPECT_EQ(ZoneChoice::filteredZones(query, "Asia/Tokyo"), all) << query;
    }
}

TEST_F(FilteredZonesTest, QueryIsTrimmedAndCaseInsensitive)
{
    const std::vector<TZItem> plain = ZoneChoice::filteredZones("kolkata", "");
    EXPECT_TRUE(listsId(plain, "Asia/Kolkata"));
    EXPECT_LT(plain.size(), all.size());
    EXPECT_EQ(ZoneChoice::filteredZones("  KOLKATA\t", ""), plain);
    EXPECT_EQ(ZoneChoice::filteredZones("\u3000KolKata\u00A0", ""), plain);
}

struct FindCase {
    std::string query;
    std::string found;
};

// Each part of the title finds the zone: identifier, Chinese name, label;
// and, beside the title, the zone's Chinese city.
TEST_F(FilteredZonesTest, FindsByEveryPartOfTheTitleAndByChineseCity)
{
    const std::vector<FindCase> cases{
        {"new_york", "America/New_York"},
        {"中国标准时间", "Asia/Shanghai"},
        {"gmt+5:45", "Asia/Kathmandu"},
        {"纽约", "America/New_York"},
        {"上海", "Asia/Shanghai"},
        {"东京", "Asia/Tokyo"},
    };
    for (const FindCase& c : cases) {
        const std::vector<TZItem> found = ZoneChoice::filteredZones(c.query, "");
        EXPECT_TRUE(listsId(found, c.found)) << c.query;
        EXPECT_LT(found.size(), all.size()) << c.query;
    }
    // The city is searched, not shown: titles stay as the catalogue has them.
    for (const TZItem& item : ZoneChoice::filteredZones("纽约", "")) {
        EXPECT_EQ(item.title.find("纽约"), std::string::npos);
        EXPECT_TRUE(listsId(all, item.id));
    }
}

TEST_F(FilteredZonesTest, MatchesKeepCatalogueOrder)
{
    const std::vector<TZItem> found = ZoneChoice::filteredZones("gmt+8", "");
    ASSERT_GT(found.size(), 1U);
    std::vector<TZItem> expected;
    std::copy_if(all.begin(), all.end(), std::back_inserter(expected),
        [](const TZItem& item) { return item.title.find("GMT+8") != std::string::npos; });
    EXPECT_EQ(found, expected);
}

TEST_F(FilteredZonesTest, ChosenZoneDroppedByTheQueryStandsFirst)
{
    const std::vector<TZItem> matches = ZoneChoice::filteredZones("kolkata", "");
    std::vector<TZItem> expected = matches;
    const auto tokyo = std::find_if(all.begin(), all.end(), [](const TZItem& item) { return item.id == "Asia/Tokyo"; });
    expected.insert(expected.begin(), *tokyo);
    EXPECT_EQ(ZoneChoice::filteredZones("kolkata", "Asia/Tokyo"), expected);

    // Already among the matches: listed once, in its place.
    EXPECT_EQ(ZoneChoice::filteredZones("kolkata", "Asia/Kolkata"), matches);
}

TEST_F(FilteredZonesTest, NoMatchKeepsExactlyTheChosenZone)
{
    EXPECT_EQ(idsOf(ZoneChoice::filteredZones("xyzzy", "Asia/Tokyo")), std::vector<std::string>{"Asia/Tokyo"});
    EXPECT_TRUE(ZoneChoice::filteredZones("xyzzy", "").empty());
    EXPECT_TRUE(ZoneChoice::filteredZones("xyzzy", "Mars/Olympus").empty());
    EXPECT_EQ(
        idsOf(ZoneChoice::filteredZones("kolkata", "Mars/Olympus")), idsOf(ZoneChoice::filteredZones("kolkata", "")));
}

TEST_F(FilteredZonesTest, ReferencesListTheSameItemsWithoutCopyingThem)
{
    for (const std::string query : {"", "kolkata", "xyzzy"}) {
        for (const std::string tz : {"", "Asia/Tokyo"}) {
            const auto refs = ZoneChoice::filteredZoneRefs(query, tz);
            EXPECT_EQ(std::vector<TZItem>(refs.begin(), refs.end()), ZoneChoice::filteredZones(query, tz));
            for (const TZItem& item : refs) {
                ASSERT_TRUE(&item >= all.data() && &item < all.data() + all.size());
            }
        }
    }
}

// The search is a function of the catalogue it is given: three zones, and
// a Chinese city that only the city column holds.
TEST(FilteredZoneRefs, SearchesTheGivenCatalogueByTitleAndCity)
{
    const std::vector<TZItem> items{{"Etc/GMT+10", "Etc/GMT+10 ·  · GMT-10"},
        {"America/New_York", "America/New_York · 北美东部时间 · GMT-5"},
        {"Asia/Tokyo", "Asia/Tokyo · 日本时间 · GMT+9"}};
    const std::vector<std::string> titles{
        "etc/gmt+10 ·  · gmt-10", "america/new_york · 北美东部时间 · gmt-5", "asia/tokyo · 日本时间 · gmt+9"};
    const std::vector<std::string> cities{"", "纽约", "东京"};
    const ZoneChoice::SearchableZones zones{items, titles, cities};
    struct Case {
        const char* query;
        const char* tz;
        std::vector<std::string> ids;
    };
    for (const Case& c : std::vector<Case>{
             {" GMT ", "", {"Etc/GMT+10", "America/New_York", "Asia/Tokyo"}},
             {"纽约", "", {"America/New_York"}},
             {"纽约", "Asia/Tokyo", {"Asia/Tokyo", "America/New_York"}},
             {"TOKYO", "Asia/Tokyo", {"Asia/Tokyo"}},
             {"xyzzy", "Europe/Paris", {}},
         }) {
        const auto found = ZoneChoice::filteredZoneRefs(zones, c.query, c.tz);
        EXPECT_EQ(idsOf(std::vector<TZItem>(found.begin(), found.end())), c.ids) << c.query << " / " << c.tz;
    }
}

TEST(FollowSystem, OnMeansTheEmptyZoneAndOffStoresTheSystemZone)
{
    const platform::TimeZone berlin = *platform::TimeZone::named("Europe/Berlin");
    EXPECT_TRUE(ZoneChoice::followsSystem(""));
    EXPECT_FALSE(ZoneChoice::followsSystem("Asia/Tokyo"));
    EXPECT_EQ(ZoneChoice::zoneWhenFollowing(false, berlin, platform::Instant{}), "Europe/Berlin");
    EXPECT_EQ(ZoneChoice::zoneWhenFollowing(true, berlin, platform::Instant{}), "");
    // A POSIX rule from TZ has no name the picker knows: a database zone with its time.
    EXPECT_EQ(ZoneChoice::zoneWhenFollowing(false, *platform::zoneForTzVariable("JST-9"), platform::Instant{}), "JST");
}

} // namespace
} // namespace horalet
