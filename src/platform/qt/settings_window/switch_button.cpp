#include "platform/qt/settings_window/switch_button.h"

#include <QPainter>
#include <QPainterPath>

namespace horalet::platform::qt {

namespace {

constexpr int kWidth = 38;
constexpr int kHeight = 22;
constexpr qreal kKnobInset = 2.0;
constexpr qreal kDisabledOpacity = 0.45;

} // namespace

SwitchButton::SwitchButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize SwitchButton::sizeHint() const
{
    return {kWidth, kHeight};
}

void SwitchButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled()) {
        painter.setOpacity(kDisabledOpacity);
    }

    const QRectF track = QRectF(0, 0, kWidth, kHeight).translated((width() - kWidth) / 2.0, (height() - kHeight) / 2.0);
    const qreal radius = track.height() / 2.0;
    const QPalette& colours = palette();
    painter.setPen(Qt::NoPen);
    painter.setBrush(isChecked() ? colours.color(QPalette::Active, QPalette::Highlight) : colours.color(QPalette::Mid));
    painter.drawRoundedRect(track, radius, radius);

    const qreal knobSize = track.height() - 2.0 * kKnobInset;
    const qreal knobLeft = isChecked() ? track.right() - kKnobInset - knobSize : track.left() + kKnobInset;
    painter.setBrush(QColor(Qt::white));
    painter.setPen(QPen(colours.color(QPalette::Shadow), 0.5));
    painter.drawEllipse(QRectF(knobLeft, track.top() + kKnobInset, knobSize, knobSize));

    if (hasFocus()) {
        QColor ring = colours.color(QPalette::Active, QPalette::Highlight);
        ring.setAlphaF(0.5F);
        painter.setPen(QPen(ring, 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(track.adjusted(-1.0, -1.0, 1.0, 1.0), radius + 1.0, radius + 1.0);
    }
}

} // namespace horalet::platform::qt
