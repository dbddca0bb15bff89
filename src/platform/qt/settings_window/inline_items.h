#pragma once

#include <optional>

#include "platform/qt/settings_window/rendered_node.h"

class QLabel;
class QPushButton;

namespace horalet::platform::qt {

// A text, always plain (a user's prefix label is never markup). As a row
// of its own it wraps; in a horizontal row it keeps to one line.
class TextItem final : public RenderedNode {
public:
    TextItem(const ui::Node& node, RenderContext& context, QWidget* parent);
    void placeAsRow(QMargins room) override;

protected:
    void update(const ui::Node& node) override;

private:
    QLabel* label_;
    std::optional<ui::Font> font_;
    ui::Foreground foreground_ = ui::Foreground::primary;
    std::optional<ui::Frame> frame_;
};

// A push button; the prominent one is the default button, filled with the
// accent colour.
class ButtonItem final : public RenderedNode {
public:
    ButtonItem(const ui::Node& node, RenderContext& context, QWidget* parent);

protected:
    void update(const ui::Node& node) override;

private:
    QPushButton* button_;
    std::optional<ui::Node> node_;
    std::optional<ui::ButtonStyle> style_;
};

// Empty room that takes what its row leaves.
class SpacerItem final : public RenderedNode {
public:
    SpacerItem(const ui::Node& node, RenderContext& context, QWidget* parent);

protected:
    void update(const ui::Node& node) override;
};

} // namespace horalet::platform::qt
