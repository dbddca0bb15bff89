#include "platform/qt/shell/desktop/clock_face.h"

#include <cmath>

#include <QPainter>
#include <QSvgRenderer>
#include <QtMath>

#include "platform/qt/shell/desktop/clock_icon.h"
#include "platform/qt/shell/desktop/icon_pixmaps.h"

namespace horalet::platform::qt {

namespace {

constexpr int kHoursOnTheDial = 12;
constexpr double kDegreesPerHour = 360.0 / kHoursOnTheDial;
constexpr double kDegreesPerMinute = 360.0 / 60;
constexpr double kHourHandDegreesPerMinute = kDegreesPerHour / 60;

const QString kDial = QStringLiteral("dial");
const QString kHourHand = QStringLiteral("hour-hand");
const QString kMinuteHand = QStringLiteral("minute-hand");

// Where the icon's hand points as drawn, in degrees clockwise from twelve.
// A hand runs straight out from the centre, so the middle of its bounds
// lies in its direction.
double drawnDirection(const QRectF& hand, QPointF centre)
{
    const QPointF out = hand.center() - centre;
    return qRadiansToDegrees(std::atan2(out.x(), -out.y()));
}

// Draws the icon's hand turned about the centre to point at `degrees`.
void drawHand(QSvgRenderer& icon, QPainter& painter, const QString& hand, QPointF centre, double degrees)
{
    const QRectF bounds = icon.boundsOnElement(hand);
    painter.save();
    painter.translate(centre);
    painter.rotate(degrees - drawnDirection(bounds, centre));
    painter.translate(-centre);
    icon.render(&painter, hand, bounds);
    painter.restore();
}

QImage drawFace(QSvgRenderer& icon, int size, int hour, int minute)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    // In the icon's own units each part, drawn at its own bounds, lands
    // where it does in the whole icon.
    const QRectF box = icon.viewBoxF();
    painter.scale(size / box.width(), size / box.height());
    painter.translate(-box.topLeft());
    const QRectF dial = icon.boundsOnElement(kDial);
    icon.render(&painter, kDial, dial);
    const ClockHandAngles angles = clockHandAngles(hour, minute);
    drawHand(icon, painter, kHourHand, dial.center(), angles.hour);
    drawHand(icon, painter, kMinuteHand, dial.center(), angles.minute);
    return image;
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
    QSvgRenderer icon(clockIconSvg());
    return drawFace(icon, size, hour, minute);
}

StatusIconPixmapList clockFacePixmaps(int hour, int minute)
{
    QSvgRenderer icon(clockIconSvg());
    return iconPixmaps([&icon, hour, minute](int size) { return drawFace(icon, size, hour, minute); });
}

} // namespace horalet::platform::qt
