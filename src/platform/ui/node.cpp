#include "platform/ui/node.h"

#include <algorithm>

namespace horalet::platform::ui {

std::optional<std::size_t> Picker::selectedIndex() const
{
    const Tag value = selection.get();
    const auto chosen
        = std::find_if(options.begin(), options.end(), [&](const PickerOption& option) { return option.tag == value; });
    if (chosen == options.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(chosen - options.begin());
}

Node::Node(Element element, std::vector<std::optional<Node>> slots)
    : element_(std::move(element))
{
    for (std::size_t slot = 0; slot < slots.size(); ++slot) {
        if (slots[slot]) {
            Node child = std::move(*slots[slot]);
            child.prefixIds("/" + std::to_string(slot));
            children_.push_back(std::move(child));
        }
    }
}

void Node::prefixIds(std::string_view prefix)
{
    id_.insert(0, prefix);
    for (Node& child : children_) {
        child.prefixIds(prefix);
    }
}

void Node::disableSubtree()
{
    enabled_ = false;
    for (Node& child : children_) {
        child.disableSubtree();
    }
}

Node Node::disabled(bool condition) &&
{
    if (condition) {
        disabledItself_ = true;
        disableSubtree();
    }
    return std::move(*this);
}

Node Node::font(Font font) &&
{
    style_.font = font;
    return std::move(*this);
}

Node Node::foregroundStyle(Foreground foreground) &&
{
    style_.foreground = foreground;
    return std::move(*this);
}

Node Node::frame(Frame frame) &&
{
    style_.frame = frame;
    return std::move(*this);
}

Node Node::padding(Insets padding) &&
{
    style_.padding = padding;
    return std::move(*this);
}

void Node::setOn(bool on) const
{
    if (const auto* toggle = as<Toggle>(); toggle != nullptr && enabled_) {
        toggle->isOn.set(on);
    }
}

void Node::choose(std::size_t option) const
{
    if (const auto* picker = as<Picker>(); picker != nullptr && enabled_ && option < picker->options.size()) {
        picker->selection.set(picker->options[option].tag);
    }
}

void Node::edit(std::string text) const
{
    if (const auto* field = as<TextField>(); field != nullptr && enabled_) {
        field->text.set(std::move(text));
    }
}

void Node::press() const
{
    if (const auto* button = as<Button>(); button != nullptr && enabled_ && button->action) {
        button->action();
    }
}

const Node* Node::find(std::string_view id) const
{
    if (id == id_) {
        return this;
    }
    for (const Node& child : children_) {
        const std::string_view childId = child.id_;
        // A child's subtree holds only ids that start with the child's id
        // followed by a slash.
        const bool inSubtree = id.starts_with(childId) && (id.size() == childId.size() || id[childId.size()] == '/');
        if (inSubtree) {
            return child.find(id);
        }
    }
    return nullptr;
}

std::optional<Node> Node::timelineEntry(Instant entry) const
{
    const auto* timeline = as<TimelineView>();
    if (timeline == nullptr || !timeline->content) {
        return std::nullopt;
    }
    Node content = timeline->content(entry);
    content.prefixIds(id_ + "/0");
    if (!enabled_) {
        content.disableSubtree();
    }
    return content;
}

} // namespace horalet::platform::ui
