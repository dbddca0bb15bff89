#include "platform/qt/shell/desktop/clock_icon.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include "platform/qt/shell/desktop/icon_pixmaps.h"

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

StatusIconPixmapList clockIconPixmaps()
{
    return iconPixmaps(clockIcon);
}

} // namespace horalet::platform::qt
