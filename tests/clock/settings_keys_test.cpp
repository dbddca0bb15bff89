#include <gtest/gtest.h>

#include "clock/settings_keys.h"
#include "platform/qt/json_preferences_file.h"
#include "support/fake_platform.h"
#include "support/temp_folder.h"

namespace horalet {
namespace {

using platform::PreferenceValue;

TEST(SettingsKeys, KeyStringsAsStored)
{
    const std::vector<std::pair<std::string_view, std::string_view>> keys{
        {K::weekday, "weekday"},
        {K::date, "date"},
        {K::year, "showYear"},
        {K::use24, "use24h"},
        {K::seconds, "showSeconds"},
        {K::ampm, "showAMPM"},
        {K::bold, "bold"},
        {K::monoDigit, "monoDigit"},
        {K::tz, "timeZone"},
        {K::label, "prefixLabel"},
        {K::locale, "localeID"},
        {K::useCustom, "useCustom"},
        {K::custom, "customFormat"},
    };
    for (const auto& [constant, stored] : keys) {
        EXPECT_EQ(constant, stored);
    }
}

TEST(SettingsKeys, FirstLaunchReadsEveryDefaultWithItsType)
{
    testing::FakePlatform fake;
    registerDefaults(fake.store);
    const platform::PreferencesStore& d = fake.store;

    const std::vector<std::pair<std::string_view, PreferenceValue>> expected{
        {K::weekday, std::int64_t{1}},
        {K::date, std::int64_t{1}},
        {K::year, false},
        {K::use24, true},
        {K::seconds, false},
        {K::ampm, true},
        {K::bold, false},
        {K::monoDigit, true},
        {K::tz, std::string()},
        {K::label, std::string()},
        {K::locale, std::string()},
        {K::useCustom, false},
        {K::custom, std::string("EEE M月d日 HH:mm:ss")},
    };
    for (const auto& [key, value] : expected) {
        EXPECT_EQ(d.objectForKey(key), value) << key;
    }
    EXPECT_EQ(d.stringForKey(K::custom)->size(), 21U);
    EXPECT_TRUE(d.storedValues().empty());
}

// The user's 0 is stored; the 1 registered at the next launch must not hide it.
TEST(SettingsKeys, StoredZeroWeekdaySurvivesARestart)
{
    testing::TempFolder folder;
    const std::string path = folder.file("preferences.json");
    const auto launch = [&](const std::function<void(platform::PreferencesStore&)>& whileRunning) {
        platform::PreferencesStore store(std::make_unique<platform::qt::JsonPreferencesFile>(path));
        registerDefaults(store);
        whileRunning(store);
    };

    launch([](platform::PreferencesStore& store) { store.setInteger(K::weekday, 0); });
    launch([](platform::PreferencesStore& store) {
        EXPECT_EQ(store.integerForKey(K::weekday), 0);
        EXPECT_EQ(store.integerForKey(K::date), 1);
    });
}

} // namespace
} // namespace horalet
