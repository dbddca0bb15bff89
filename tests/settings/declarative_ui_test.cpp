#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/ui/builders.h"
#include "platform/ui/preference_binding.h"
#include "platform/ui/state.h"
#include "platform/ui/view.h"
#include "support/fake_platform.h"

namespace horalet::platform::ui {
namespace {

// A value held by the test, counting the writes that reach it.
template <typename T> struct Held {
    T value;
    int writes = 0;
    Binding<T> binding()
    {
        return Binding<T>([this] { return value; },
            [this](T next) {
                value = std::move(next);
                ++writes;
            });
    }
};

TEST(DeclarativeNodeTest, IdsNameDeclaredPlacesAndSkipAbsentRows)
{
    Held<bool> flag{false};
    const auto build = [&](bool middlePresent) {
        return form(440.0, 620.0, section("A", text("first")),
            section("B", toggle("on", flag.binding()), when(middlePresent, [] { return text("middle"); }),
                hstack(text("left"), spacer(), button("go", [] {}))));
    };

    for (const bool present : {true, false}) {
        SCOPED_TRACE(present);
        const Node root = build(present);
        EXPECT_EQ(root.id(), "");
        const Node& second = root.children()[1];
        EXPECT_EQ(second.id(), "/1");
        const Node& row = second.children().back();
        EXPECT_EQ(row.id(), "/1/2");
        EXPECT_EQ(row.children()[2].id(), "/1/2/2");
        EXPECT_EQ(root.find("/1/2/2"), &row.children()[2]);
        EXPECT_EQ(root.find("/1/1") != nullptr, present);
        EXPECT_EQ(root.find("/1/9"), nullptr);
    }
}

TEST(DeclarativeNodeTest, DisabledContainerDisablesEveryControlAndInputIsIgnored)
{
    Held<bool> flag{true};
    Held<std::string> field{"kept"};
    Held<std::int64_t> choice{1};
    int presses = 0;
    const Node group = section("S", toggle("t", flag.binding()), textField("f", field.binding()),
        picker("p", choice.binding(), {{"zero", 0}, {"one", 1}}), button("b", [&] {
            ++presses;
        })).disabled(true);

    EXPECT_TRUE(group.isDisabledItself());
    for (const Node& control : group.children()) {
        EXPECT_FALSE(control.isEnabled());
        EXPECT_FALSE(control.isDisabledItself());
        control.setOn(false);
        control.edit("changed");
        control.choose(0);
        control.press();
    }
    EXPECT_EQ(flag.writes + field.writes + choice.writes + presses, 0);
    EXPECT_TRUE(flag.value);
    EXPECT_EQ(field.value, "kept");
}

TEST(DeclarativeNodeTest, EnabledControlsWriteTheirBindings)
{
    Held<bool> flag{false};
    Held<std::string> field{""};
    Held<std::string> choice{""};
    int presses = 0;
    const Node group = section("S", toggle("t", flag.binding()), textField("f", field.binding()),
        picker("p", choice.binding(), {{"none", ""}, {"x", "x"}}), button("b", [&] { ++presses; }),
        toggle("off", flag.binding()).disabled(false));

    group.children()[0].setOn(true);
    group.children()[1].edit("typed");
    group.children()[2].choose(1);
    group.children()[2].choose(7);
    group.children()[3].press();
    EXPECT_TRUE(group.children()[4].isEnabled());
    EXPECT_TRUE(flag.value);
    EXPECT_EQ(field.value, "typed");
    EXPECT_EQ(choice.value, "x");
    EXPECT_EQ(choice.writes, 1);
    EXPECT_EQ(presses, 1);
}

TEST(DeclarativeNodeTest, PickerChoosesTheOptionWithTheBoundTagOrNone)
{
    Held<std::int64_t> choice{2};
    const auto chosen = [&] {
        return picker("p", choice.binding(), {{"a", 0}, {"b", 1}, {"c", 2}}).as<Picker>()->selectedIndex();
    };
    EXPECT_EQ(chosen(), 2U);
    choice.value = 7;
    EXPECT_EQ(chosen(), std::nullopt);
    EXPECT_EQ(choice.writes, 0);
    EXPECT_EQ(choice.value, 7);
}

TEST(DeclarativeNodeTest, TimelineEntriesArePlacedAndDisabledLikeTheirFirstContent)
{
    const PeriodicSchedule schedule{Instant::fromSecondsSinceEpoch(100.5), 1.0};
    const auto content = [](Instant entry) { return text(Label::verbatim(std::to_string(entry.secondsSinceEpoch))); };
    const Node root = section("S", text("x"), timelineView(schedule, content)).disabled(true);

    const Node& timeline = root.children()[1];
    ASSERT_EQ(timeline.children().size(), 1U);
    EXPECT_EQ(timeline.children()[0].id(), "/1/0");
    EXPECT_EQ(timeline.children()[0].as<Text>()->content.text, std::to_string(100.5));

    const std::optional<Node> later = timeline.timelineEntry(schedule.start.advanced(3.0));
    ASSERT_TRUE(later);
    EXPECT_EQ(later->id(), "/1/0");
    EXPECT_FALSE(later->isEnabled());
    EXPECT_EQ(later->as<Text>()->content.text, std::to_string(103.5));
    EXPECT_FALSE(root.children()[0].timelineEntry(schedule.start).has_value());
}

TEST(PeriodicScheduleTest, EntriesFollowTheStartNotWholeSeconds)
{
    struct Case {
        double start;
        double interval;
        double now;
        std::optional<double> entry;
        std::optional<double> next;
    };
    const std::vector<Case> cases{
        {10.25, 1.0, 10.25, 10.25, 11.25},
        {10.25, 1.0, 12.9, 12.25, 13.25},
        {10.25, 1.0, 13.25, 13.25, 14.25},
        {10.25, 1.0, 9.0, std::nullopt, 10.25},
        {10.25, 0.0, 50.0, 10.25, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.now);
        const PeriodicSchedule schedule{Instant::fromSecondsSinceEpoch(c.start), c.interval};
        const auto entry = schedule.entryAt(Instant::fromSecondsSinceEpoch(c.now));
        const auto next = schedule.nextEntryAfter(Instant::fromSecondsSinceEpoch(c.now));
        EXPECT_EQ(entry.has_value(), c.entry.has_value());
        if (entry && c.entry) {
            EXPECT_DOUBLE_EQ(entry->secondsSinceEpoch, *c.entry);
        }
        EXPECT_EQ(next.has_value(), c.next.has_value());
        if (next && c.next) {
            EXPECT_DOUBLE_EQ(next->secondsSinceEpoch, *c.next);
        }
    }
}

TEST(PreferenceBindingTest, ReadsStoredThenRegisteredThenFallbackAndWritesAtOnce)
{
    testing::FakePlatform platform;
    int posts = 0;
    const Connection watching = platform.store.didChange.connect([&] { ++posts; });
    const PreferenceBinding<std::int64_t> count(platform.store, Setting<std::int64_t>{"count", 5});

    EXPECT_EQ(count.get(), 5);
    platform.store.registerDefaults({{"count", std::int64_t{7}}});
    EXPECT_EQ(count.get(), 7);
    platform.store.setString("count", "12 apples");
    EXPECT_EQ(count.get(), 12);
    EXPECT_EQ(posts, 1);

    count.binding().set(3);
    EXPECT_EQ(platform.store.objectForKey("count"), PreferenceValue(std::int64_t{3}));
    EXPECT_EQ(posts, 2);
}

class SearchView final : public View {
public:
    explicit SearchView(PreferencesStore& store) { forward(store.didChange); }
    State<std::string> text{*this, ""};
    Node body() const override { return textField("t", text); }
};

TEST(ViewTest, StateAndForwardedChangesAreToldBeforeTheValueIsInPlace)
{
    testing::FakePlatform platform;
    SearchView view(platform.store);
    std::vector<std::string> seen;
    Connection watching = view.willChange().connect([&] { seen.push_back(view.text.get()); });

    view.body().edit("a");
    view.body().edit("ab");
    platform.store.setBool("other", true);
    EXPECT_EQ(seen, (std::vector<std::string>{"", "a", "ab"}));

    watching.disconnect();
    view.body().edit("abc");
    platform.store.setBool("other", false);
    EXPECT_EQ(seen.size(), 3U);
    EXPECT_EQ(view.text.get(), "abc");
}

TEST(ViewTest, ADescriptionStaysUsableAfterItsViewIsGone)
{
    testing::FakePlatform platform;
    std::optional<Node> kept;
    {
        SearchView view(platform.store);
        kept = view.body();
    }
    kept->edit("late");
    EXPECT_EQ(kept->as<TextField>()->text.get(), "late");
}

} // namespace
} // namespace horalet::platform::ui
