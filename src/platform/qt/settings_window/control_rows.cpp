#include "platform/qt/settings_window/control_rows.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWheelEvent>

#include "platform/qt/settings_window/drawn_text.h"
#include "platform/qt/settings_window/metrics.h"
#include "platform/qt/settings_window/qt_fonts.h"
#include "platform/qt/settings_window/switch_button.h"

namespace horalet::platform::qt {

namespace {

// A pop-up list that lets the wheel scroll the form: turning the wheel
// over a list must not change a setting.
class PopUpList final : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }
};

constexpr int kVisibleOptions = 20;

} // namespace

ControlRow::ControlRow(const ui::Node& node, RenderContext& context, QWidget* parent)
    : RenderedNode(node, new QWidget(parent), context)
    , label_(new QLabel(widget()))
{
    label_->setTextFormat(Qt::PlainText);
}

void ControlRow::showLabel(const ui::Label& label, QWidget& control)
{
    const QString text = drawnText(label);
    if (label_->text() != text) {
        label_->setText(text);
        control.setAccessibleName(text);
    }
}

void ControlRow::arrange(QWidget& control, bool stretches)
{
    auto* layout = new QHBoxLayout(widget());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);
    if (stretches) {
        layout->addSpacing(formMetrics::rowInset);
        layout->addWidget(&control, 1);
    } else {
        layout->addStretch(1);
        layout->addWidget(&control);
    }
}

ToggleRow::ToggleRow(const ui::Node& node, RenderContext& context, QWidget* parent)
    : ControlRow(node, context, parent)
    , switch_(new SwitchButton(widget()))
{
    arrange(*switch_, false);
    // Only the user clicks: a redraw sets the state with signals blocked.
    QObject::connect(switch_, &QAbstractButton::clicked, switch_, [this](bool on) {
        this->node().setOn(on);
        this->context().inputHandled();
    });
}

void ToggleRow::update(const ui::Node& node)
{
    remember(node);
    const auto& toggle = *node.as<ui::Toggle>();
    showLabel(toggle.label, *switch_);
    const bool on = toggle.isOn.get();
    if (switch_->isChecked() != on) {
        const QSignalBlocker quiet(switch_);
        switch_->setChecked(on);
    }
}

PickerRow::PickerRow(const ui::Node& node, RenderContext& context, QWidget* parent)
    : ControlRow(node, context, parent)
    , list_(new PopUpList(widget()))
{
    list_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list_->setMaximumWidth(formMetrics::pickerMaxWidth);
    list_->setMaxVisibleItems(kVisibleOptions);
    list_->setFocusPolicy(Qt::StrongFocus);
    arrange(*list_, false);
    // Emitted only for the user's choice, never for a redraw's.
    QObject::connect(list_, &QComboBox::activated, list_, [this](int option) {
        if (option >= 0) {
            this->node().choose(static_cast<std::size_t>(option));
        }
        this->context().inputHandled();
    });
}

void PickerRow::update(const ui::Node& node)
{
    remember(node);
    const auto& picker = *node.as<ui::Picker>();
    showLabel(picker.label, *list_);
    const QSignalBlocker quiet(list_);

    std::vector<std::string> options;
    options.reserve(picker.options.size());
    for (const ui::PickerOption& option : picker.options) {
        options.push_back(option.text.text);
    }
    if (options != shownOptions_) {
        list_->clear();
        for (const ui::PickerOption& option : picker.options) {
            list_->addItem(drawnText(option.text));
        }
        shownOptions_ = std::move(options);
    }

    const std::optional<std::size_t> chosen = picker.selectedIndex();
    const int index = chosen ? static_cast<int>(*chosen) : -1;
    if (list_->currentIndex() != index) {
        list_->setCurrentIndex(index);
    }
}

FieldRow::FieldRow(const ui::Node& node, RenderContext& context, QWidget* parent)
    : ControlRow(node, context, parent)
    , edit_(new QLineEdit(widget()))
{
    arrange(*edit_, true);
    // Every keystroke reaches the binding at once; there is no commit.
    QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this](const QString& text) {
        this->node().edit(text.toStdString());
        this->context().inputHandled();
    });
}

void FieldRow::update(const ui::Node& node)
{
    remember(node);
    const auto& field = *node.as<ui::TextField>();
    showLabel(field.label, *edit_);
    const QSignalBlocker quiet(edit_);

    const QString prompt = field.prompt ? drawnText(*field.prompt) : QString();
    if (edit_->placeholderText() != prompt) {
        edit_->setPlaceholderText(prompt);
    }
    const QString bound = QString::fromStdString(field.text.get());
    if (edit_->text() != bound) {
        edit_->setText(bound);
    }
    if (node.style().font != font_) {
        font_ = node.style().font;
        edit_->setFont(font_ ? qtFont(*font_, widget()->font()) : QFont());
    }
}

} // namespace horalet::platform::qt
