#include "platform/qt/shell/desktop/clock_icon.h"

#include <QPainter>
#include <QtEndian>

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
    StatusIconPixmapList pixmaps;
    for (const int size : {16, 22, 32, 48}) {
        const QImage image = clockIcon(size);
        QByteArray bytes(static_cast<qsizetype>(image.sizeInBytes()), Qt::Uninitialized);
        // ARGB32 words in network byte order, whatever this machine's order.
        for (int y = 0; y < size; ++y) {
            const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
            for (int x = 0; x < size; ++x) {
                qToBigEndian(line[x], bytes.data() + (y * size + x) * 4);
            }
        }
        pixmaps.append(StatusIconPixmap{size, size, bytes});
    }
    return pixmaps;
}

} // namespace horalet::platform::qt
