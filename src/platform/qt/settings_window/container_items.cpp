#include "platform/qt/settings_window/container_items.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/qt/settings_window/drawn_text.h"
#include "platform/qt/settings_window/group_frame.h"
#include "platform/qt/settings_window/metrics.h"
#include "platform/qt/settings_window/timeline_widget.h"

namespace horalet::platform::qt {

FormItem::FormItem(const ui::Node& node, RenderContext& context, QWidget* parent)
    : RenderedNode(node, new QWidget(parent), context)
    , sections_(new QVBoxLayout(widget()))
{
    const int margin = formMetrics::outerMargin;
    sections_->setContentsMargins(margin, margin, margin, margin);
    sections_->setSpacing(formMetrics::sectionSpacing);
    sections_->addStretch(1);
}

QBoxLayout* FormItem::childLayout() const
{
    return sections_;
}

void FormItem::update(const ui::Node&)
{
}

SectionItem::SectionItem(const ui::Node& node, RenderContext& context, QWidget* parent)
    : RenderedNode(node, new QWidget(parent), context)
    , header_(new QLabel(widget()))
{
    header_->setTextFormat(Qt::PlainText);
    QFont bold = header_->font();
    bold.setWeight(QFont::DemiBold);
    header_->setFont(bold);
    header_->setContentsMargins(formMetrics::rowInset / 2, 0, 0, 0);

    auto* group = new GroupFrame(widget());
    rows_ = new QVBoxLayout(group);
    rows_->setContentsMargins(formMetrics::rowInset, 0, formMetrics::rowInset, 0);
    rows_->setSpacing(0);

    auto* column = new QVBoxLayout(widget());
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(formMetrics::headerGap);
    column->addWidget(header_);
    column->addWidget(group);
}

QBoxLayout* SectionItem::childLayout() const
{
    return rows_;
}

void SectionItem::update(const ui::Node& node)
{
    const QString header = drawnText(node.as<ui::Section>()->header);
    if (header_->text() != header) {
        header_->setText(header);
    }
}

StackItem::StackItem(const ui::Node& node, RenderContext& context, QWidget* parent)
    : RenderedNode(node, new QWidget(parent), context)
    , items_(new QHBoxLayout(widget()))
{
    items_->setContentsMargins(0, 0, 0, 0);
}

QBoxLayout* StackItem::childLayout() const
{
    return items_;
}

void StackItem::update(const ui::Node& node)
{
    const std::optional<double>& spacing = node.as<ui::HStack>()->spacing;
    if (spacing_ != spacing) {
        spacing_ = spacing;
        // A negative spacing is the style's own.
        items_->setSpacing(spacing ? pixels(*spacing) : -1);
    }
}

TimelineItem::TimelineItem(const ui::Node& node, RenderContext& context, QWidget* parent)
    : RenderedNode(node, new TimelineWidget(parent), context)
    , timeline_(static_cast<TimelineWidget*>(widget()))
    , content_(new QVBoxLayout(widget()))
{
    content_->setContentsMargins(0, 0, 0, 0);
}

QBoxLayout* TimelineItem::childLayout() const
{
    return content_;
}

void TimelineItem::update(const ui::Node& node)
{
    node_ = node;
    timeline_->follow(node.as<ui::TimelineView>()->schedule, [this](Instant entry) {
        if (const std::optional<ui::Node> content = node_->timelineEntry(entry)) {
            context().renderChildren(*this, {*content});
        }
    });
}

} // namespace horalet::platform::qt
