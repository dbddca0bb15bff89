#include "platform/qt/shell/desktop/clock_face.h"

#include <QPainter>

#include "platform/qt/shell/desktop/icon_pixmaps.h"

namespace horalet::platform::qt {

namespace {

constexpr int kHoursOnTheDial = 12;
constexpr double kDegreesPerHour = 360.0 / kHoursOnTheDial;
constexpr double kDegreesPerMinute = 360.0 / 60;
constexpr double kHourHandDegreesPerMinute = kDegreesPerHour / 60;

// Lengths in a 22-unit square, the usual panel icon size.
constexpr double kUnits = 22.0;
constexpr double kDialRadius = 9.6;
constexpr double kRimWidth = 1.7;
constexpr double kHourHandLength = 5.0;
constexpr double kHourHandWidth = 2.2;
constexpr double kMinuteHandLength = 7.4;
constexpr double kMinuteHandWidth = 1.5;
constexpr double kMarkFrom = 7.2;
constexpr double kMarkTo = 8.6;
constexpr double kMarkWidth = 1.1;
// Below this many pixels the four marks would blur the hands.
constexpr int kSmallestSizeWithMarks = 22;

const QColor kDial(246, 246, 246);
const QColor kInk(28, 28, 28);

void drawHand(QPainter& painter, double degrees, double length, double width)
{
    painter.save();
    painter.rotate(degrees);
    painter.setPen(QPen(kInk, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, 0), QPointF(0, -length));
    painter.restore();
}

} // namespace

ClockHandAngles clockHandAngles(int hour, int minute)
{
    return ClockHandAngles{
        (hour % kHoursOnTheDial) * kDegreesPerHour + minute * kHourHandDegreesPerMinute,
        minute * kDegreesPerMinute,
    };
}

QImage clockFace(int size, int hour, int minute)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(size / 2.0, size / 2.0);
    painter.scale(size / kUnits, size / kUnits);

    painter.setPen(QPen(kInk, kRimWidth));
    painter.setBrush(kDial);
    painter.drawEllipse(QPointF(0, 0), kDialRadius, kDialRadius);
    if (size >= kSmallestSizeWithMarks) {
        for (int mark = 0; mark < 4; ++mark) {
            painter.save();
            painter.rotate(mark * 90.0);
            painter.setPen(QPen(kInk, kMarkWidth, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(QPointF(0, -kMarkFrom), QPointF(0, -kMarkTo));
            painter.restore();
        }
    }
    const ClockHandAngles angles = clockHandAngles(hour, minute);
    drawHand(painter, angles.hour, kHourHandLength, kHourHandWidth);
    drawHand(painter, angles.minute, kMinuteHandLength, kMinuteHandWidth);
    return image;
}

StatusIconPixmapList clockFacePixmaps(int hour, int minute)
{
    return iconPixmaps([hour, minute](int size) { return clockFace(size, hour, minute); });
}

} // namespace horalet::platform::qt
