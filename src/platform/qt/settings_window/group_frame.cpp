#include "platform/qt/settings_window/group_frame.h"

#include <QLayout>
#include <QPainter>

#include "platform/qt/settings_window/metrics.h"

namespace horalet::platform::qt {

GroupFrame::GroupFrame(QWidget* parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
}

void GroupFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    QColor border = colours.color(QPalette::Mid);
    border.setAlphaF(0.6F);
    painter.setPen(QPen(border, 1.0));
    painter.setBrush(colours.color(QPalette::Base));
    const qreal radius = formMetrics::groupRadius;
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);

    if (layout() == nullptr) {
        return;
    }
    border.setAlphaF(0.35F);
    painter.setPen(QPen(border, 1.0));
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QWidget* previous = nullptr;
    for (int index = 0; index < layout()->count(); ++index) {
        const QWidget* row = layout()->itemAt(index)->widget();
        if (row == nullptr || row->isHidden()) {
            continue;
        }
        if (previous != nullptr) {
            const int y = (previous->geometry().bottom() + row->geometry().top() + 1) / 2;
            painter.drawLine(formMetrics::rowInset, y, width() - formMetrics::rowInset, y);
        }
        previous = row;
    }
}

} // namespace horalet::platform::qt
