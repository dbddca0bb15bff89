#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "clock/settings_keys.h"
#include "clock/time_zone_list.h"
#include "clock/zone_choice.h"
#include "settings/settings_fixture.h"

namespace horalet::testing {
namespace {

using platform::ui::Node;
using platform::ui::Picker;

std::vector<std::string> optionTags(const Node& picker)
{
    std::vector<std::string> tags;
    if (const auto* options = picker.as<Picker>()) {
        for (const platform::ui::PickerOption& option : options->options) {
            tags.push_back(std::get<std::string>(option.tag));
        }
    }
    return tags;
}

std::vector<std::string> ids(const std::vector<TZItem>& zones)
{
    std::vector<std::string> all;
    for (const TZItem& zone : zones) {
        all.push_back(zone.id);
    }
    return all;
}

using TimeZoneSectionTest = SettingsFormTest;

TEST_F(TimeZoneSectionTest, FollowSwitchStoresTheSystemZoneOrTheEmptyText)
{
    platform.environment.setSystemZone("Europe/Paris");
    control(view.body(), "跟随系统时区").setOn(false);
    EXPECT_EQ(platform.store.stringForKey(K::tz), "Europe/Paris");

    const Node chosen = view.body();
    const Node& zoneSection = chosen.children()[3];
    EXPECT_FALSE(isOn(control(zoneSection, "跟随系统时区")));
    EXPECT_EQ(labelsOf(zoneSection.children()), (std::vector<std::string>{"跟随系统时区", "搜索", "时区"}));
    const Node& search = control(zoneSection, "搜索");
    EXPECT_EQ(search.as<platform::ui::TextField>()->prompt, platform::ui::Label("Tokyo / 纽约 / GMT+8"));
    const auto* picker = control(zoneSection, "时区").as<Picker>();
    ASSERT_NE(picker, nullptr);
    ASSERT_TRUE(picker->selectedIndex());
    const platform::ui::PickerOption& option = picker->options[*picker->selectedIndex()];
    EXPECT_EQ(option.tag, platform::ui::Tag(std::string("Europe/Paris")));
    EXPECT_TRUE(option.text.isVerbatim);
    EXPECT_TRUE(option.text.text.starts_with("Europe/Paris · "));

    control(chosen, "跟随系统时区").setOn(true);
    EXPECT_EQ(platform.store.stringForKey(K::tz), "");
    EXPECT_EQ(view.body().children()[3].children().size(), 1U);
    EXPECT_EQ(writes, 2);
}

TEST_F(TimeZoneSectionTest, ChoosingARowOfASearchStoresItsId)
{
    platform.store.setString(K::tz, "Europe/Paris");
    control(view.body(), "搜索").edit("  TOKYO ");
    EXPECT_EQ(view.query.get(), "  TOKYO ");

    const Node root = view.body();
    const Node& zones = control(root, "时区");
    const std::vector<std::string> tags = optionTags(zones);
    ASSERT_FALSE(tags.empty());
    EXPECT_EQ(tags.front(), "Europe/Paris");
    const auto tokyo = std::find(tags.begin(), tags.end(), "Asia/Tokyo");
    ASSERT_NE(tokyo, tags.end());
    zones.choose(static_cast<std::size_t>(tokyo - tags.begin()));
    EXPECT_EQ(platform.store.stringForKey(K::tz), "Asia/Tokyo");
    EXPECT_TRUE(chosenText(control(view.body(), "时区")).value_or("").starts_with("Asia/Tokyo · "));
}

TEST_F(TimeZoneSectionTest, StoredZoneTheCatalogueLacksIsListedNowhereAndKept)
{
    platform.store.setString(K::tz, "Mars/Olympus_Mons");
    const int before = writes;
    for (const std::string query : {"", "tokyo"}) {
        SCOPED_TRACE(query);
        view.query.set(query);
        const Node root = view.body();
        EXPECT_FALSE(isOn(control(root, "跟随系统时区")));
        const Node& zones = control(root, "时区");
        EXPECT_EQ(optionTags(zones), ids(ZoneChoice::filteredZones(query, "")));
        EXPECT_EQ(zones.as<Picker>()->selectedIndex(), std::nullopt);
    }
    EXPECT_EQ(ids(ZoneChoice::filteredZones("", "")).size(), TZList::all().size());
    EXPECT_EQ(writes, before);
    EXPECT_EQ(platform.store.stringForKey(K::tz), "Mars/Olympus_Mons");
}

TEST_F(TimeZoneSectionTest, SearchMatchingNothingOffersExactlyTheChosenZone)
{
    platform.store.setString(K::tz, "Asia/Tokyo");
    const Node first = view.body();
    const std::string searchId = control(first, "搜索").id();
    const std::string pickerId = control(first, "时区").id();
    const int before = writes;

    control(first, "搜索").edit("no such place");
    const Node root = view.body();
    const Node& zones = control(root, "时区");
    EXPECT_EQ(optionTags(zones), std::vector<std::string>{"Asia/Tokyo"});
    EXPECT_EQ(zones.as<Picker>()->selectedIndex(), 0U);
    EXPECT_EQ(control(root, "搜索").as<platform::ui::TextField>()->text.get(), "no such place");
    // The rows keep their places while the search changes them.
    EXPECT_EQ(control(root, "搜索").id(), searchId);
    EXPECT_EQ(zones.id(), pickerId);
    EXPECT_EQ(writes, before);
}

} // namespace
} // namespace horalet::testing
