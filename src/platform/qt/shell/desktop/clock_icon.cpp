#include "platform/qt/shell/desktop/clock_icon.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

namespace horalet::platform::qt {

QByteArray clockIconSvg()
{
    QFile file(QStringLiteral(":/horalet/horalet.svg"));
    // Built into the program: it cannot be missing.
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QImage clockIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(clockIconSvg());
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image;
}

StatusIconPixmap statusIconPixmap(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int width = argb.width();
    QByteArray bytes(static_cast<qsizetype>(width) * argb.height() * 4, Qt::Uninitialized);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const quint32*>(argb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            qToBigEndian(line[x], bytes.data() + (static_cast<qsizetype>(y) * width + x) * 4);
        }
    }
    return StatusIconPixmap{width, argb.height(), bytes};
}

StatusIconPixmapList clockIconPixmaps()
{
    StatusIconPixmapList pixmaps;
    for (const int size : {16, 22, 32, 48}) {
        pixmaps.append(statusIconPixmap(clockIcon(size)));
    }
    return pixmaps;
}

} // namespace horalet::platform::qt
