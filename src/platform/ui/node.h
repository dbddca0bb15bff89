#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/elements.h"

namespace horalet::platform::ui {

// One node of a description: its kind, its look, its children, its place
// and whether the user may operate it.
//
// A node's id names its place: the declared position of each container
// slot from the root down ("/3/1" is slot 1 of the root's slot 3). A slot
// that is absent in one drawing keeps its number, so the rows after it keep
// their ids; a renderer keeps a widget for as long as its id and kind stay.
//
// A node is enabled when no container above it and not the node itself is
// disabled. A disabled control ignores input and its value stays as it is.
class Node {
public:
    // The children fill the slots in order; an empty slot keeps its number.
    explicit Node(Element element, std::vector<std::optional<Node>> slots = {});

    const std::string& id() const { return id_; }
    bool isEnabled() const { return enabled_; }
    // The node's own disabling condition, without its containers'.
    bool isDisabledItself() const { return disabledItself_; }
    const Element& element() const { return element_; }
    template <typename Kind> const Kind* as() const { return std::get_if<Kind>(&element_); }
    const std::vector<Node>& children() const { return children_; }
    const Style& style() const { return style_; }

    // Modifiers, applied to a node as it is built.
    Node disabled(bool condition) &&;
    Node font(Font font) &&;
    Node foregroundStyle(Foreground foreground) &&;
    Node frame(Frame frame) &&;
    Node padding(Insets padding) &&;

    // What a renderer calls when the user operates the control. Each does
    // nothing on a disabled node or on a node of another kind.
    void setOn(bool on) const;
    void choose(std::size_t option) const;
    void edit(std::string text) const;
    void press() const;

    // The node with this id in this subtree, or none.
    const Node* find(std::string_view id) const;

    // For a timeline view: its content for one entry, placed and enabled as
    // its child. None for other kinds.
    std::optional<Node> timelineEntry(Instant entry) const;

private:
    void prefixIds(std::string_view prefix);
    void disableSubtree();

    Element element_;
    std::vector<Node> children_;
    Style style_;
    std::string id_;
    bool enabled_ = true;
    bool disabledItself_ = false;
};

} // namespace horalet::platform::ui
