#include "platform/qt/shell/desktop/clock_icon.h"

#include <QPainter>

#include "platform/qt/shell/desktop/icon_pixmaps.h"

namespace horalet::platform::qt {

QImage clockIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double unit = size / 22.0;
    painter.translate(size / 2.0, size / 2.0);
    for (const auto& [color, width] : {std::pair{QColor(0, 0, 0, 150), 3.4}, std::pair{QColor(240, 240, 240), 1.8}}) {
        QPen pen(color, width * unit, Qt::SolidLine, Qt::RoundCap);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(0, 0), 8.5 * unit, 8.5 * unit);
        painter.drawLine(QPointF(0, 0), QPointF(0, -5.5 * unit));
        painter.drawLine(QPointF(0, 0), QPointF(4.0 * unit, 0));
    }
    return image;
}

StatusIconPixmapList clockIconPixmaps()
{
    return iconPixmaps(clockIcon);
}

} // namespace horalet::platform::qt
