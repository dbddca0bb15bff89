#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

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

// The README's tables of keys (those headed "key | type | default |
// meaning") list every key of the schema once, as the schema has it.
TEST(SettingsKeys, ReadmeTablesMatchTheSchema)
{
    std::ifstream readme(HORALET_README);
    ASSERT_TRUE(readme) << HORALET_README;
    std::map<std::string, std::vector<std::string>> rows;
    bool inKeyTable = false;
    for (std::string line; std::getline(readme, line);) {
        if (!line.starts_with("|")) {
            inKeyTable = false;
            continue;
        }
        std::vector<std::string> cells;
        std::istringstream row(line.substr(1));
        for (std::string cell; std::getline(row, cell, '|');) {
            cells.push_back(cell.substr(1, cell.size() - 2));
        }
        if (cells.size() >= 3 && cells[0] == "key" && cells[1] == "type" && cells[2] == "default") {
            inKeyTable = true;
        } else if (inKeyTable && !cells[0].starts_with("-")) {
            EXPECT_TRUE(rows.emplace(cells[0], cells).second) << "listed twice: " << cells[0];
        }
    }
    const auto typeText = [](const platform::SettingSpec& spec) -> std::string {
        switch (spec.type) {
        case platform::PreferenceType::boolean:
            return "boolean";
        case platform::PreferenceType::integer:
            if (spec.range.min == 0 && spec.range.max == platform::IntegerRange{}.max) {
                return "integer (0 or more)";
            }
            return spec.range.min == platform::IntegerRange{}.min && spec.range.max == platform::IntegerRange{}.max
                ? "integer"
                : "integer (" + std::to_string(spec.range.min) + " to " + std::to_string(spec.range.max) + ")";
        case platform::PreferenceType::text:
            break;
        }
        return "text";
    };
    const auto defaultText = [](const platform::SettingSpec& spec) -> std::string {
        const PreferenceValue value = spec.defaultValue();
        if (const bool* flag = std::get_if<bool>(&value)) {
            return *flag ? "true" : "false";
        }
        if (const std::string* text = std::get_if<std::string>(&value)) {
            return "\"" + *text + "\"";
        }
        return platform::readAsString(value);
    };
    for (const platform::SettingSpec& spec : kSettingsSchema) {
        const auto row = rows.find(std::string(spec.key));
        ASSERT_NE(row, rows.end()) << "missing from the README: " << spec.key;
        EXPECT_EQ(row->second[1], typeText(spec)) << spec.key;
        EXPECT_EQ(row->second[2], defaultText(spec)) << spec.key;
        rows.erase(row);
    }
    for (const auto& [key, cells] : rows) {
        ADD_FAILURE() << "the README lists a key the schema does not know: " << key;
    }
}

} // namespace
} // namespace horalet
