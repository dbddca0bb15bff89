#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/qt/settings_window/rendered_node.h"

class QVBoxLayout;

namespace horalet::platform::qt {

// Draws a description with Qt widgets and, at every later drawing, brings
// those widgets up to date in place. A widget stays for as long as its node
// keeps its id and kind: rows that appear are inserted, rows that go are
// removed, and everything else keeps its widget, its focus and its cursor.
// Drawing never writes a bound value; only the user's input does.
class FormRenderer final : public RenderContext {
public:
    // The drawing fills `holder`; `afterInput` runs after each input.
    FormRenderer(QWidget& holder, std::function<void()> afterInput);
    ~FormRenderer() override;

    void render(const ui::Node& root);

    void renderChildren(RenderedNode& parent, const std::vector<ui::Node>& nodes) override;
    void inputHandled() override;

private:
    std::unique_ptr<RenderedNode> create(const ui::Node& node, RenderedNode* parent, QWidget& parentWidget);
    void draw(RenderedNode& drawn, const ui::Node& node);

    QWidget& holder_;
    QVBoxLayout* holderLayout_;
    std::function<void()> afterInput_;
    std::unique_ptr<RenderedNode> root_;
};

} // namespace horalet::platform::qt
