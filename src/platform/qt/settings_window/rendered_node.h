#pragma once

#include <QMargins>
#include <QPointer>
#include <QWidget>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/node.h"

class QBoxLayout;

namespace horalet::platform::qt {

class RenderedNode;

// What a drawn node asks of the renderer that drew it.
class RenderContext {
public:
    virtual ~RenderContext() = default;
    // Draws `nodes` as the children of `parent`, keeping the widgets of the
    // children whose id and kind stay.
    virtual void renderChildren(RenderedNode& parent, const std::vector<ui::Node>& nodes) = 0;
    // Runs after every input the user gave a control.
    virtual void inputHandled() = 0;
};

// One node of a description as drawn: its widget, kept for as long as the
// node keeps its id and kind, and the drawn children inside it.
class RenderedNode {
public:
    RenderedNode(const ui::Node& node, QWidget* widget, RenderContext& context);
    RenderedNode(const RenderedNode&) = delete;
    RenderedNode& operator=(const RenderedNode&) = delete;
    // Deletes the widget, and with it the widgets of the children.
    virtual ~RenderedNode();

    // Whether `node` sits in the same place and is of the same kind.
    bool drawsSameSlot(const ui::Node& node) const;
    QWidget* widget() const { return widget_; }

    // Draws the node as it is now: padding, enabled state, then the kind's
    // own look and value. Never writes a bound value.
    void refresh(const ui::Node& node);
    // The layout the children's widgets go into; none for a leaf.
    virtual QBoxLayout* childLayout() const { return nullptr; }
    // Whether its children are rows of a group.
    virtual bool holdsRows() const { return false; }
    // Gives the widget the room of a row in a group.
    virtual void placeAsRow(QMargins room);

    std::vector<std::unique_ptr<RenderedNode>>& children() { return children_; }

protected:
    virtual void update(const ui::Node& node) = 0;
    RenderContext& context() const { return context_; }

private:
    std::string id_;
    std::size_t kind_;
    QPointer<QWidget> widget_;
    RenderContext& context_;
    QMargins room_;
    std::vector<std::unique_ptr<RenderedNode>> children_;
};

} // namespace horalet::platform::qt
