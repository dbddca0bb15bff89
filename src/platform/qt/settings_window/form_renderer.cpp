#include "platform/qt/settings_window/form_renderer.h"

#include <QBoxLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <type_traits>
#include <variant>

#include "platform/qt/settings_window/container_items.h"
#include "platform/qt/settings_window/control_rows.h"
#include "platform/qt/settings_window/inline_items.h"
#include "platform/qt/settings_window/metrics.h"

namespace horalet::platform::qt {

namespace drawing {

// How each kind of node is drawn, declared only to be asked for its type;
// a kind without one does not compile.
FormItem* drawnAs(const ui::Form&);
SectionItem* drawnAs(const ui::Section&);
ToggleRow* drawnAs(const ui::Toggle&);
PickerRow* drawnAs(const ui::Picker&);
FieldRow* drawnAs(const ui::TextField&);
ButtonItem* drawnAs(const ui::Button&);
TextItem* drawnAs(const ui::Text&);
StackItem* drawnAs(const ui::HStack&);
SpacerItem* drawnAs(const ui::Spacer&);
TimelineItem* drawnAs(const ui::TimelineView&);

} // namespace drawing

FormRenderer::FormRenderer(QWidget& holder, std::function<void()> afterInput)
    : holder_(holder)
    , holderLayout_(new QVBoxLayout(&holder))
    , afterInput_(std::move(afterInput))
{
    holderLayout_->setContentsMargins(0, 0, 0, 0);
}

FormRenderer::~FormRenderer() = default;

void FormRenderer::render(const ui::Node& root)
{
    if (!root_ || !root_->drawsSameSlot(root)) {
        root_.reset();
        root_ = create(root, nullptr, holder_);
        holderLayout_->addWidget(root_->widget());
    }
    draw(*root_, root);
}

void FormRenderer::inputHandled()
{
    if (afterInput_) {
        afterInput_();
    }
}

void FormRenderer::renderChildren(RenderedNode& parent, const std::vector<ui::Node>& nodes)
{
    QBoxLayout* layout = parent.childLayout();
    if (layout == nullptr) {
        return;
    }
    std::vector<std::unique_ptr<RenderedNode>> previous = std::move(parent.children());
    parent.children().clear();

    // Both drawings list their children in the order of their slots, so a
    // kept child is found by walking forward; the ones passed over are gone.
    auto next = previous.begin();
    for (const ui::Node& node : nodes) {
        const auto kept = std::find_if(next, previous.end(),
            [&](const std::unique_ptr<RenderedNode>& drawn) { return drawn->drawsSameSlot(node); });
        std::unique_ptr<RenderedNode> drawn;
        if (kept != previous.end()) {
            drawn = std::move(*kept);
            next = std::next(kept);
        } else {
            drawn = create(node, &parent, *layout->parentWidget());
        }
        draw(*drawn, node);
        parent.children().push_back(std::move(drawn));
    }
    // Deleting a widget also takes it out of its layout.
    previous.clear();

    for (int index = 0; index < static_cast<int>(parent.children().size()); ++index) {
        QWidget* widget = parent.children()[static_cast<std::size_t>(index)]->widget();
        if (layout->indexOf(widget) != index) {
            layout->removeWidget(widget);
            layout->insertWidget(index, widget);
            widget->show();
        }
    }
}

void FormRenderer::draw(RenderedNode& drawn, const ui::Node& node)
{
    drawn.refresh(node);
    renderChildren(drawn, node.children());
}

std::unique_ptr<RenderedNode> FormRenderer::create(const ui::Node& node, RenderedNode* parent, QWidget& parentWidget)
{
    std::unique_ptr<RenderedNode> drawn = std::visit(
        [&](const auto& element) -> std::unique_ptr<RenderedNode> {
            using Item = std::remove_pointer_t<decltype(drawing::drawnAs(element))>;
            return std::make_unique<Item>(node, *this, &parentWidget);
        },
        node.element());
    if (parent != nullptr && parent->holdsRows()) {
        drawn->placeAsRow(QMargins(0, formMetrics::rowPadding, 0, formMetrics::rowPadding));
    }
    return drawn;
}

} // namespace horalet::platform::qt
