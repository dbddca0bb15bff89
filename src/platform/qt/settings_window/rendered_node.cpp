#include "platform/qt/settings_window/rendered_node.h"

#include "platform/qt/settings_window/metrics.h"

namespace horalet::platform::qt {

RenderedNode::RenderedNode(const ui::Node& node, QWidget* widget, RenderContext& context)
    : id_(node.id())
    , kind_(node.element().index())
    , widget_(widget)
    , context_(context)
{
}

RenderedNode::~RenderedNode()
{
    delete widget_.data();
}

bool RenderedNode::drawsSameSlot(const ui::Node& node) const
{
    return node.id() == id_ && node.element().index() == kind_;
}

void RenderedNode::placeAsRow(QMargins room)
{
    room_ = room;
}

void RenderedNode::refresh(const ui::Node& node)
{
    const ui::Insets& padding = node.style().padding;
    const QMargins margins = room_
        + QMargins(pixels(padding.leading), pixels(padding.top), pixels(padding.trailing), pixels(padding.bottom));
    if (widget_->contentsMargins() != margins) {
        widget_->setContentsMargins(margins);
    }
    // The widget's own setting, not the one it inherits from its parent.
    const bool enabledItself = !widget_->testAttribute(Qt::WA_ForceDisabled);
    if (enabledItself != node.isEnabled()) {
        widget_->setEnabled(node.isEnabled());
    }
    update(node);
}

} // namespace horalet::platform::qt
