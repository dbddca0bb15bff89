#include "platform/qt/settings_window/inline_items.h"

#include <QLabel>
#include <QPushButton>

#include "platform/qt/settings_window/drawn_text.h"
#include "platform/qt/settings_window/metrics.h"
#include "platform/qt/settings_window/qt_fonts.h"

namespace horalet::platform::qt {

namespace {

Qt::Alignment horizontal(ui::HorizontalAlignment alignment)
{
    switch (alignment) {
    case ui::HorizontalAlignment::leading:
        return Qt::AlignLeading;
    case ui::HorizontalAlignment::center:
        return Qt::AlignHCenter;
    case ui::HorizontalAlignment::trailing:
        return Qt::AlignTrailing;
    }
    return Qt::AlignLeading;
}

void applyFrame(QLabel& label, const ui::Frame& frame)
{
    if (!frame.maxWidth) {
        // Without a frame of its own a text starts at the leading edge.
        label.setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
        label.setMaximumWidth(QWIDGETSIZE_MAX);
        label.setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        return;
    }
    label.setAlignment(horizontal(frame.alignment) | Qt::AlignVCenter);
    if (*frame.maxWidth == ui::kUnlimited) {
        label.setMaximumWidth(QWIDGETSIZE_MAX);
        label.setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    } else {
        label.setMaximumWidth(pixels(*frame.maxWidth));
        label.setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    }
}

// The accent colour of the palette as the button's face.
QPalette prominent(QPalette colours)
{
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Button, colours.color(QPalette::Active, QPalette::Highlight));
        colours.setColor(group, QPalette::ButtonText, colours.color(QPalette::Active, QPalette::HighlightedText));
    }
    return colours;
}

} // namespace

TextItem::TextItem(const ui::Node& node, RenderContext& context, QWidget* parent)
    : RenderedNode(node, new QLabel(parent), context)
    , label_(static_cast<QLabel*>(widget()))
{
    label_->setTextFormat(Qt::PlainText);
}

void TextItem::placeAsRow(QMargins room)
{
    RenderedNode::placeAsRow(room);
    label_->setWordWrap(true);
}

void TextItem::update(const ui::Node& node)
{
    const QString text = drawnText(node.as<ui::Text>()->content);
    if (label_->text() != text) {
        label_->setText(text);
    }
    const ui::Style& style = node.style();
    if (style.font != font_) {
        font_ = style.font;
        label_->setFont(font_ ? qtFont(*font_, widget()->parentWidget()->font()) : QFont());
    }
    if (style.foreground != foreground_) {
        foreground_ = style.foreground;
        applyForeground(*label_, foreground_);
    }
    if (style.frame != frame_) {
        frame_ = style.frame;
        applyFrame(*label_, *frame_);
    }
}

ButtonItem::ButtonItem(const ui::Node& node, RenderContext& context, QWidget* parent)
    : RenderedNode(node, new QPushButton(parent), context)
    , button_(static_cast<QPushButton*>(widget()))
{
    button_->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(button_, &QPushButton::clicked, button_, [this] {
        node_->press();
        this->context().inputHandled();
    });
}

void ButtonItem::update(const ui::Node& node)
{
    node_ = node;
    const auto& button = *node.as<ui::Button>();
    const QString text = drawnText(button.label);
    if (button_->text() != text) {
        button_->setText(text);
    }
    if (button.style != style_) {
        style_ = button.style;
        const bool isProminent = button.style == ui::ButtonStyle::borderedProminent;
        button_->setDefault(isProminent);
        button_->setPalette(isProminent ? prominent(widget()->parentWidget()->palette()) : QPalette());
    }
}

SpacerItem::SpacerItem(const ui::Node& node, RenderContext& context, QWidget* parent)
    : RenderedNode(node, new QWidget(parent), context)
{
    widget()->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Minimum);
}

void SpacerItem::update(const ui::Node& node)
{
    const auto& spacer = *node.as<ui::Spacer>();
    widget()->setMinimumWidth(spacer.minLength ? pixels(*spacer.minLength) : 0);
}

} // namespace horalet::platform::qt
