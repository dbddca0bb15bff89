#include "platform/qt/shell/desktop/icon_pixmaps.h"

#include <QtEndian>

namespace horalet::platform::qt {

StatusIconPixmapList iconPixmaps(const std::function<QImage(int size)>& draw)
{
    StatusIconPixmapList pixmaps;
    for (const int size : {16, 22, 32, 48}) {
        const QImage image = draw(size).convertToFormat(QImage::Format_ARGB32);
        QByteArray bytes(static_cast<qsizetype>(size) * size * 4, Qt::Uninitialized);
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
