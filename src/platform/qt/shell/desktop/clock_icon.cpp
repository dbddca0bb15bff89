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

namespace {

QImage render(QSvgRenderer& icon, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.render(&painter);
    painter.end();
    return image;
}

} // namespace

QImage clockIcon(int size)
{
    QSvgRenderer icon(clockIconSvg());
    return render(icon, size);
}

StatusIconPixmapList clockIconPixmaps()
{
    // Read once for all the sizes.
    QSvgRenderer icon(clockIconSvg());
    return iconPixmaps([&icon](int size) { return render(icon, size); });
}

} // namespace horalet::platform::qt
