#include "platform/ui/builders.h"

namespace horalet::platform::ui {

namespace {

// The picker keeps its tags in the bound value's type; the description
// holds them as tags of either type.
template <typename T> Node typedPicker(Label label, Binding<T> selection, std::vector<Option<T>> options)
{
    std::vector<PickerOption> tagged;
    tagged.reserve(options.size());
    for (Option<T>& option : options) {
        tagged.push_back(PickerOption{std::move(option.text), Tag(std::move(option.tag))});
    }
    Binding<Tag> taggedSelection([selection] { return Tag(selection.get()); },
        [selection](Tag tag) {
            if (T* value = std::get_if<T>(&tag)) {
                selection.set(std::move(*value));
            }
        });
    return Node(Picker{std::move(label), std::move(tagged), std::move(taggedSelection)});
}

} // namespace

Node spacer()
{
    return Node(Spacer{});
}

Node text(Label content)
{
    return Node(Text{std::move(content)});
}

Node toggle(Label label, Binding<bool> isOn)
{
    return Node(Toggle{std::move(label), std::move(isOn)});
}

Node textField(Label label, Binding<std::string> text, std::optional<Label> prompt)
{
    return Node(TextField{std::move(label), std::move(text), std::move(prompt)});
}

Node button(Label label, std::function<void()> action, ButtonStyle style)
{
    return Node(Button{std::move(label), std::move(action), style});
}

Node picker(Label label, Binding<std::int64_t> selection, std::vector<Option<std::int64_t>> options)
{
    return typedPicker(std::move(label), std::move(selection), std::move(options));
}

Node picker(Label label, Binding<std::string> selection, std::vector<Option<std::string>> options)
{
    return typedPicker(std::move(label), std::move(selection), std::move(options));
}

Node timelineView(PeriodicSchedule schedule, std::function<Node(Instant)> content)
{
    std::optional<Node> first;
    if (content) {
        first = content(schedule.start);
    }
    std::vector<std::optional<Node>> children;
    children.push_back(std::move(first));
    return Node(TimelineView{schedule, std::move(content)}, std::move(children));
}

} // namespace horalet::platform::ui
