#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/foundation/instant.h"
#include "platform/ui/binding.h"
#include "platform/ui/label.h"
#include "platform/ui/periodic_schedule.h"
#include "platform/ui/style.h"

namespace horalet::platform::ui {

class Node;

// The kinds of node a description is made of. Each carries what a renderer
// needs to draw it and what a control does when the user operates it.

// A vertical column of sections, each drawn as a group under its header,
// one control per row; it scrolls when taller than its window. Exactly
// `width` points wide and at least `minHeight` tall, centred in its frame.
struct Form {
    FormStyle style = FormStyle::grouped;
    double width = 0.0;
    double minHeight = 0.0;
};

// A group of rows with a text header and no footer.
struct Section {
    Label header;
};

struct Toggle {
    Label label;
    Binding<bool> isOn;
};

// A picker's tag: the bound value's own type.
using Tag = std::variant<std::int64_t, std::string>;

struct PickerOption {
    Label text;
    Tag tag;
};

// Offers fixed options; the chosen one is the option whose tag equals the
// bound value. A value that matches no tag chooses none, and the picker
// leaves it as it is until the user chooses.
struct Picker {
    Label label;
    std::vector<PickerOption> options;
    Binding<Tag> selection;

    std::optional<std::size_t> selectedIndex() const;
};

// One line of text; the prompt shows while it is empty. Every edit reaches
// the binding at once: there is no commit.
struct TextField {
    Label label;
    Binding<std::string> text;
    std::optional<Label> prompt;
};

struct Button {
    Label label;
    std::function<void()> action;
    ButtonStyle style = ButtonStyle::automatic;
};

struct Text {
    Label content;
};

// Children side by side, aligned on `alignment`; `spacing` none is the
// desktop's default spacing.
struct HStack {
    VerticalAlignment alignment = VerticalAlignment::center;
    std::optional<double> spacing;
};

// Takes all the room its row leaves, pushing what follows to the far edge.
struct Spacer {
    std::optional<double> minLength;
};

// Content rebuilt at every entry of its schedule, from the entry's instant.
// The node holds the content for the schedule's start as its one child; a
// renderer asks Node::timelineEntry for each later entry.
struct TimelineView {
    PeriodicSchedule schedule;
    std::function<Node(Instant)> content;
};

using Element = std::variant<Form, Section, Toggle, Picker, TextField, Button, Text, HStack, Spacer, TimelineView>;

} // namespace horalet::platform::ui
