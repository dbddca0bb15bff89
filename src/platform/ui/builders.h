#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/node.h"

namespace horalet::platform::ui {

// A row that is present only while `condition` holds. Absent, it still
// takes its slot, so the rows after it keep their ids; `build` runs only
// when the row is present.
template <typename Build> std::optional<Node> when(bool condition, Build build)
{
    if (!condition) {
        return std::nullopt;
    }
    return std::optional<Node>(build());
}

// Collects a container's rows, present or absent, in declared order.
template <typename... Rows> std::vector<std::optional<Node>> slots(Rows&&... rows)
{
    std::vector<std::optional<Node>> all;
    all.reserve(sizeof...(rows));
    (all.emplace_back(std::forward<Rows>(rows)), ...);
    return all;
}

// A grouped form, exactly `width` points wide and at least `minHeight`.
template <typename... Sections> Node form(double width, double minHeight, Sections&&... sections)
{
    return Node(Form{FormStyle::grouped, width, minHeight}, slots(std::forward<Sections>(sections)...));
}

template <typename... Rows> Node section(Label header, Rows&&... rows)
{
    return Node(Section{std::move(header)}, slots(std::forward<Rows>(rows)...));
}

template <typename... Items> Node hstack(Items&&... items)
{
    return Node(HStack{}, slots(std::forward<Items>(items)...));
}

Node spacer();
Node text(Label content);
Node toggle(Label label, Binding<bool> isOn);
Node textField(Label label, Binding<std::string> text, std::optional<Label> prompt = std::nullopt);
Node button(Label label, std::function<void()> action, ButtonStyle style = ButtonStyle::automatic);

template <typename T> struct Option {
    Label text;
    T tag;
};
Node picker(Label label, Binding<std::int64_t> selection, std::vector<Option<std::int64_t>> options);
Node picker(Label label, Binding<std::string> selection, std::vector<Option<std::string>> options);

// Content rebuilt at each entry of `schedule`; it starts with the content
// for the schedule's start.
Node timelineView(PeriodicSchedule schedule, std::function<Node(Instant)> content);

} // namespace horalet::platform::ui
