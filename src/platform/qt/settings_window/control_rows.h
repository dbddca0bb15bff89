#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/qt/settings_window/rendered_node.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace horalet::platform::qt {

class SwitchButton;

// The rows that bind a control: the label at the leading edge, the control
// at the trailing edge. Each passes the user's input to the node it last
// drew, which writes the bound value; drawing only shows the value.
class ControlRow : public RenderedNode {
public:
    ControlRow(const ui::Node& node, RenderContext& context, QWidget* parent);

protected:
    // Shows the label, and names the control after it for assistive tools.
    void showLabel(const ui::Label& label, QWidget& control);
    // Lays out the label and the control; a stretching control takes the
    // row's remaining width.
    void arrange(QWidget& control, bool stretches);
    const ui::Node& node() const { return *node_; }
    void remember(const ui::Node& node) { node_ = node; }

private:
    QLabel* label_;
    std::optional<ui::Node> node_;
};

// A toggle drawn as a switch.
class ToggleRow final : public ControlRow {
public:
    ToggleRow(const ui::Node& node, RenderContext& context, QWidget* parent);

protected:
    void update(const ui::Node& node) override;

private:
    SwitchButton* switch_;
};

// A picker drawn as a pop-up list. A value that matches no option shows no
// current item and stays as it is.
class PickerRow final : public ControlRow {
public:
    PickerRow(const ui::Node& node, RenderContext& context, QWidget* parent);

protected:
    void update(const ui::Node& node) override;

private:
    QComboBox* list_;
    std::vector<std::string> shownOptions_;
};

// A text field drawn as a line edit with its prompt as the placeholder. It
// is rewritten only when the bound value differs from what it shows, so
// its cursor and selection stay while the user types.
class FieldRow final : public ControlRow {
public:
    FieldRow(const ui::Node& node, RenderContext& context, QWidget* parent);

protected:
    void update(const ui::Node& node) override;

private:
    QLineEdit* edit_;
    std::optional<ui::Font> font_;
};

} // namespace horalet::platform::qt
