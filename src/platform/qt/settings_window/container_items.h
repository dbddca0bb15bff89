#pragma once

#include <optional>

#include "platform/qt/settings_window/rendered_node.h"

class QLabel;
class QVBoxLayout;
class QHBoxLayout;

namespace horalet::platform::qt {

class TimelineWidget;

// The form: its sections one under the other, the remaining height left
// empty below them.
class FormItem final : public RenderedNode {
public:
    FormItem(const ui::Node& node, RenderContext& context, QWidget* parent);
    QBoxLayout* childLayout() const override;

protected:
    void update(const ui::Node& node) override;

private:
    QVBoxLayout* sections_;
};

// A section: its header above the rounded group that holds its rows.
class SectionItem final : public RenderedNode {
public:
    SectionItem(const ui::Node& node, RenderContext& context, QWidget* parent);
    QBoxLayout* childLayout() const override;
    bool holdsRows() const override { return true; }

protected:
    void update(const ui::Node& node) override;

private:
    QLabel* header_;
    QVBoxLayout* rows_;
};

// Children side by side.
class StackItem final : public RenderedNode {
public:
    StackItem(const ui::Node& node, RenderContext& context, QWidget* parent);
    QBoxLayout* childLayout() const override;

protected:
    void update(const ui::Node& node) override;

private:
    QHBoxLayout* items_;
    std::optional<std::optional<double>> spacing_;
};

// Content drawn afresh at each entry of its schedule while the window is
// shown; only this content is redrawn at a tick.
class TimelineItem final : public RenderedNode {
public:
    TimelineItem(const ui::Node& node, RenderContext& context, QWidget* parent);
    QBoxLayout* childLayout() const override;

protected:
    void update(const ui::Node& node) override;

private:
    TimelineWidget* timeline_;
    QVBoxLayout* content_;
    std::optional<ui::Node> node_;
};

} // namespace horalet::platform::qt
