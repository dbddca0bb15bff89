#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "clock/clock_format.h"
#include "clock/settings_keys.h"
#include "settings/settings_fixture.h"

namespace horalet::testing {
namespace {

using platform::PreferenceValue;
using platform::ui::Font;
using platform::ui::Node;

TEST_F(SettingsFormTest, FormHasSixSectionsInOrderWithTheirRows)
{
    const Node root = view.body();
    const auto* form = root.as<platform::ui::Form>();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->style, platform::ui::FormStyle::grouped);
    EXPECT_EQ(form->width, 440.0);
    EXPECT_EQ(form->minHeight, 620.0);
    EXPECT_EQ(
        headersOf(root.children()), (std::vector<std::string>{"预览", "显示内容", "外观", "时区", "高级", "软件更新"}));

    EXPECT_EQ(labelsOf(root.children()[1].children()),
        (std::vector<std::string>{"星期", "日期", "显示年份", "24 小时制", "显示上午/下午", "显示秒"}));
    EXPECT_EQ(labelsOf(root.children()[2].children()),
        (std::vector<std::string>{"粗体", "等宽数字（防止跳动）", "语言", "前缀标签"}));
    // Following the system zone and without a custom format, the optional
    // rows are absent.
    EXPECT_EQ(labelsOf(root.children()[3].children()), std::vector<std::string>{"跟随系统时区"});
    EXPECT_EQ(labelsOf(root.children()[4].children()), std::vector<std::string>{"使用自定义格式"});

    const Node& quickStyles = root.children()[0].children()[1];
    ASSERT_NE(quickStyles.as<platform::ui::HStack>(), nullptr);
    EXPECT_EQ(labelsOf(quickStyles.children()), (std::vector<std::string>{"快速样式", "", "紧凑", "标准", "完整"}));
    EXPECT_NE(quickStyles.children()[1].as<platform::ui::Spacer>(), nullptr);
    EXPECT_EQ(
        control(root, "前缀标签").as<platform::ui::TextField>()->prompt, platform::ui::Label("可选，如：东京、🗽"));
}

TEST_F(SettingsFormTest, UnregisteredStoreShowsTheFallbacksAndNothingIsWritten)
{
    const Node root = view.body();
    const Node& preview = root.children()[0].children()[0];
    EXPECT_TRUE(preview.timelineEntry(platform.clock.now().advanced(1.0)).has_value());
    platform.mainQueue.drain();

    EXPECT_EQ(chosenText(control(root, "星期")), "简写（周四）");
    EXPECT_EQ(chosenText(control(root, "日期")), "11月19日");
    EXPECT_EQ(chosenText(control(root, "语言")), "跟随系统");
    const std::vector<std::pair<std::string, bool>> toggles{{"显示年份", false}, {"24 小时制", true},
        {"显示上午/下午", true}, {"显示秒", false}, {"粗体", false}, {"等宽数字（防止跳动）", true},
        {"跟随系统时区", true}, {"使用自定义格式", false}};
    for (const auto& [label, on] : toggles) {
        EXPECT_EQ(isOn(control(root, label)), on) << label;
    }
    EXPECT_EQ(control(root, "前缀标签").as<platform::ui::TextField>()->text.get(), "");
    EXPECT_EQ(view.custom.get(), kDefaultCustomFormat);

    EXPECT_EQ(writes, 0);
    EXPECT_TRUE(platform.store.storedValues().empty());
}

TEST_F(SettingsFormTest, StoredAndRegisteredValuesComeBeforeTheFallbacks)
{
    registerDefaults(platform.store);
    platform.store.registerDefaults({{std::string(K::weekday), std::int64_t{2}}});
    platform.store.setBool(K::use24, false);
    const Node root = view.body();
    EXPECT_EQ(chosenText(control(root, "星期")), "完整（星期四）");
    EXPECT_FALSE(isOn(control(root, "24 小时制")));
}

// A value written outside the form that matches no option: the picker shows
// none chosen and the form leaves the value alone.
TEST_F(SettingsFormTest, UnknownStoredOptionChoosesNoneAndIsKept)
{
    platform.store.setInteger(K::weekday, 7);
    platform.store.setString(K::locale, "fr_FR");
    const int before = writes;
    const Node root = view.body();
    EXPECT_EQ(chosenText(control(root, "星期")), std::nullopt);
    EXPECT_EQ(chosenText(control(root, "语言")), std::nullopt);
    EXPECT_EQ(writes, before);
    EXPECT_EQ(platform.store.integerForKey(K::weekday), 7);
}

TEST_F(SettingsFormTest, EachControlWritesItsKeyAtOnce)
{
    struct Case {
        std::string label;
        std::function<void(const Node&)> operate;
        std::string_view key;
        PreferenceValue stored;
    };
    const std::vector<Case> cases{
        {"星期", [](const Node& n) { n.choose(2); }, K::weekday, std::int64_t{2}},
        {"日期", [](const Node& n) { n.choose(2); }, K::date, std::int64_t{2}},
        {"显示年份", [](const Node& n) { n.setOn(true); }, K::year, true},
        {"24 小时制", [](const Node& n) { n.setOn(false); }, K::use24, false},
        {"显示秒", [](const Node& n) { n.setOn(true); }, K::seconds, true},
        {"粗体", [](const Node& n) { n.setOn(true); }, K::bold, true},
        {"等宽数字（防止跳动）", [](const Node& n) { n.setOn(false); }, K::monoDigit, false},
        {"语言", [](const Node& n) { n.choose(2); }, K::locale, std::string("en_US")},
        {"语言", [](const Node& n) { n.choose(3); }, K::locale, std::string("ja_JP")},
        {"前缀标签", [](const Node& n) { n.edit("🗽 NY"); }, K::label, std::string("🗽 NY")},
        {"使用自定义格式", [](const Node& n) { n.setOn(true); }, K::useCustom, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const int before = writes;
        const Node root = view.body();
        c.operate(control(root, c.label));
        EXPECT_EQ(writes, before + 1);
        EXPECT_EQ(platform.store.objectForKey(c.key), c.stored);
    }
}

TEST_F(SettingsFormTest, DependentTogglesAreDimmedAndKeepTheirValues)
{
    struct Case {
        std::int64_t date;
        bool use24;
        std::string label;
        bool enabled;
    };
    const std::vector<Case> cases{
        {0, false, "显示年份", false},
        {2, false, "显示年份", true},
        {1, true, "显示上午/下午", false},
        {1, false, "显示上午/下午", true},
    };
    // The dependent values are the opposite of what the form would show by
    // default, so a kept value is visible.
    platform.store.setBool(K::year, true);
    platform.store.setBool(K::ampm, false);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label + " date " + std::to_string(c.date));
        platform.store.setInteger(K::date, c.date);
        platform.store.setBool(K::use24, c.use24);
        const Node root = view.body();
        const Node& dependent = control(root, c.label);
        EXPECT_EQ(dependent.isEnabled(), c.enabled);
        EXPECT_EQ(isOn(dependent), c.label == "显示年份");
    }
    EXPECT_TRUE(platform.store.boolForKey(K::year));
    EXPECT_FALSE(platform.store.boolForKey(K::ampm));
}

TEST_F(SettingsFormTest, CustomFormatDisablesDisplayAndShowsFieldAndHelpUntilAQuickStyle)
{
    for (const std::string preset : {"紧凑", "标准", "完整"}) {
        SCOPED_TRACE(preset);
        platform.store.setString(K::custom, "'UTC' HH:mm");
        control(view.body(), "使用自定义格式").setOn(true);

        const Node custom = view.body();
        for (const Node& row : custom.children()[1].children()) {
            EXPECT_FALSE(row.isEnabled()) << labelOf(row);
        }
        for (const Node& row : custom.children()[2].children()) {
            EXPECT_TRUE(row.isEnabled()) << labelOf(row);
        }
        const Node& advanced = custom.children()[4];
        ASSERT_EQ(advanced.children().size(), 3U);
        const Node& field = advanced.children()[1];
        EXPECT_EQ(labelOf(field), "格式");
        EXPECT_EQ(field.as<platform::ui::TextField>()->text.get(), "'UTC' HH:mm");
        EXPECT_EQ(field.as<platform::ui::TextField>()->prompt, std::nullopt);
        EXPECT_EQ(field.style().font, Font::body().monospaced());
        const Node& help = advanced.children()[2];
        EXPECT_EQ(labelOf(help),
            "y 年  M 月  d 日  EEE 周四  EEEE 星期四\n"
            "HH 24时  h 12时  mm 分  ss 秒  a 上午/下午  zzz 时区\n"
            "普通文字用单引号包住，如 'UTC' HH:mm");
        EXPECT_EQ(help.style().font, Font::caption());
        EXPECT_EQ(help.style().foreground, platform::ui::Foreground::secondary);
        EXPECT_EQ(labelOf(custom.children()[0].children()[0].children()[0]),
            ClockFormat::text(platform.sources(), platform.clock.now(), ClockFormat::make(platform.sources())));

        control(custom, preset).press();
        const Node after = view.body();
        EXPECT_FALSE(platform.store.boolForKey(K::useCustom));
        EXPECT_TRUE(control(after, "星期").isEnabled());
        EXPECT_EQ(after.children()[4].children().size(), 1U);
        EXPECT_EQ(platform.store.stringForKey(K::custom), "'UTC' HH:mm");
    }
}

struct Preset {
    std::string button;
    std::vector<std::pair<std::string_view, PreferenceValue>> writes;
};

const std::vector<Preset> kPresets{
    {"紧凑",
        {{K::weekday, std::int64_t{0}}, {K::date, std::int64_t{0}}, {K::seconds, false}, {K::ampm, false},
            {K::useCustom, false}}},
    {"标准",
        {{K::weekday, std::int64_t{1}}, {K::date, std::int64_t{1}}, {K::year, false}, {K::seconds, false},
            {K::useCustom, false}}},
    {"完整",
        {{K::weekday, std::int64_t{2}}, {K::date, std::int64_t{1}}, {K::year, true}, {K::seconds, true},
            {K::useCustom, false}}},
};

// Starts every setting away from the preset, so each write shows as a
// change, and records the key each notification changed.
TEST_F(SettingsFormTest, QuickStylesWriteExactlyTheirKeysInOrder)
{
    bool recording = false;
    platform::PreferenceDictionary last;
    std::vector<std::pair<std::string, PreferenceValue>> seen;
    const platform::Connection watching = platform.store.didChange.connect([&] {
        if (!recording) {
            return;
        }
        const platform::PreferenceDictionary now = platform.store.storedValues();
        for (const auto& [key, value] : now) {
            if (last.find(key) == last.end() || last.at(key) != value) {
                seen.emplace_back(key, value);
            }
        }
        last = now;
    });

    for (const Preset& preset : kPresets) {
        SCOPED_TRACE(preset.button);
        // "紧凑" leaves `year` on and the others leave `ampm` off; no preset
        // touches `use24`.
        platform.store.setBool(K::year, true);
        platform.store.setBool(K::ampm, false);
        platform.store.setBool(K::use24, false);
        platform::PreferenceDictionary opposite;
        for (const auto& [key, value] : preset.writes) {
            opposite[std::string(key)] = std::holds_alternative<bool>(value)
                ? PreferenceValue(!std::get<bool>(value))
                : PreferenceValue(std::get<std::int64_t>(value) + 5);
        }
        for (const auto& [key, value] : opposite) {
            platform.store.set(key, value);
        }
        const platform::PreferenceDictionary before = platform.store.storedValues();

        last = before;
        seen.clear();
        recording = true;
        control(view.body(), preset.button).press();
        recording = false;

        ASSERT_EQ(seen.size(), preset.writes.size());
        for (std::size_t i = 0; i < seen.size(); ++i) {
            EXPECT_EQ(seen[i].first, preset.writes[i].first);
            EXPECT_EQ(seen[i].second, preset.writes[i].second);
        }
        for (const auto& [key, value] : before) {
            if (opposite.find(key) == opposite.end()) {
                EXPECT_EQ(platform.store.objectForKey(key), value) << key;
            }
        }
    }
}

TEST_F(SettingsFormTest, QuickStyleWhoseValuesAlreadyHoldStillWritesFiveTimes)
{
    for (const Preset& preset : kPresets) {
        SCOPED_TRACE(preset.button);
        for (const auto& [key, value] : preset.writes) {
            platform.store.set(key, value);
        }
        const platform::PreferenceDictionary before = platform.store.storedValues();
        const int writesBefore = writes;
        control(view.body(), preset.button).press();
        EXPECT_EQ(writes - writesBefore, 5);
        EXPECT_EQ(platform.store.storedValues(), before);
    }
}

TEST_F(SettingsFormTest, PreviewIsTheStatusTextForEachEntry)
{
    platform.store.setString(K::label, "东京");
    platform.store.setString(K::tz, "Asia/Tokyo");
    platform.store.setBool(K::seconds, true);
    platform.store.setBool(K::monoDigit, false);

    for (const bool bold : {false, true}) {
        SCOPED_TRACE(bold);
        platform.store.setBool(K::bold, bold);
        const Node root = view.body();
        const Node& timeline = root.children()[0].children()[0];
        const auto* schedule = timeline.as<platform::ui::TimelineView>();
        ASSERT_NE(schedule, nullptr);
        EXPECT_EQ(schedule->schedule.start, platform.clock.now());
        EXPECT_EQ(schedule->schedule.interval, 1.0);

        const platform::Instant later = platform.clock.now().advanced(7.0);
        const std::optional<Node> entry = timeline.timelineEntry(later);
        ASSERT_TRUE(entry);
        const auto* text = entry->as<platform::ui::Text>();
        ASSERT_NE(text, nullptr);
        const std::string expected
            = ClockFormat::text(platform.sources(), later, ClockFormat::make(platform.sources()));
        EXPECT_EQ(text->content, platform::ui::Label::verbatim(expected));
        EXPECT_TRUE(expected.starts_with("东京 "));
        EXPECT_EQ(labelOf(timeline.children()[0]),
            ClockFormat::text(platform.sources(), platform.clock.now(), ClockFormat::make(platform.sources())));

        const auto weight = bold ? Font::Weight::semibold : Font::Weight::regular;
        EXPECT_EQ(entry->style().font, Font::system(15.0, weight).monospacedDigit());
        EXPECT_EQ(entry->style().frame, (platform::ui::Frame{platform::ui::kUnlimited}));
        EXPECT_EQ(entry->style().padding, platform::ui::Insets::vertical(4.0));
    }

    // A changed setting shows in the very next drawing.
    platform.store.setString(K::label, "NY");
    EXPECT_TRUE(labelOf(view.body().children()[0].children()[0].children()[0]).starts_with("NY "));
}

} // namespace
} // namespace horalet::testing
