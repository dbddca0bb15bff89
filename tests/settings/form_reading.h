#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/node.h"

namespace horalet::testing {

// The text a reader knows a row by: a control's label or a text's content;
// empty for the others.
inline std::string labelOf(const platform::ui::Node& node)
{
    using namespace platform::ui;
    if (const auto* toggle = node.as<Toggle>()) {
        return toggle->label.text;
    }
    if (const auto* picker = node.as<Picker>()) {
        return picker->label.text;
    }
    if (const auto* field = node.as<TextField>()) {
        return field->label.text;
    }
    if (const auto* button = node.as<Button>()) {
        return button->label.text;
    }
    if (const auto* text = node.as<Text>()) {
        return text->content.text;
    }
    return {};
}

// The first node, depth first, known by `label`; none when absent.
inline const platform::ui::Node* findLabelled(const platform::ui::Node& root, std::string_view label)
{
    if (labelOf(root) == label) {
        return &root;
    }
    for (const platform::ui::Node& child : root.children()) {
        if (const platform::ui::Node* found = findLabelled(child, label)) {
            return found;
        }
    }
    return nullptr;
}

inline std::vector<std::string> headersOf(const std::vector<platform::ui::Node>& sections)
{
    std::vector<std::string> headers;
    for (const platform::ui::Node& section : sections) {
        const auto* group = section.as<platform::ui::Section>();
        headers.push_back(group != nullptr ? group->header.text : std::string());
    }
    return headers;
}

inline std::vector<std::string> labelsOf(const std::vector<platform::ui::Node>& nodes)
{
    std::vector<std::string> labels;
    for (const platform::ui::Node& node : nodes) {
        labels.push_back(labelOf(node));
    }
    return labels;
}

// The chosen option's text; none when the value matches no tag.
inline std::optional<std::string> chosenText(const platform::ui::Node& node)
{
    const auto* picker = node.as<platform::ui::Picker>();
    if (picker == nullptr) {
        return std::nullopt;
    }
    const auto index = picker->selectedIndex();
    if (!index) {
        return std::nullopt;
    }
    return picker->options[*index].text.text;
}

} // namespace horalet::testing
