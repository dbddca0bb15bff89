#pragma once

#include <QImage>

#include "platform/qt/shell/desktop/status_notifier_types.h"

namespace horalet::platform::qt {

// Where a clock's hands point, in degrees clockwise from twelve o'clock.
struct ClockHandAngles {
    double hour = 0.0;
    double minute = 0.0;
};

// The hands at a time of day: the hour hand moves on with the minutes.
ClockHandAngles clockHandAngles(int hour, int minute);

// A clock face showing a time of day, for panels that show only an icon:
// the program's icon with its hands turned to the time, so face and icon
// are one drawing.
QImage clockFace(int size, int hour, int minute);

// The face at the sizes panels ask for, as the item's icon pixmaps.
StatusIconPixmapList clockFacePixmaps(int hour, int minute);

} // namespace horalet::platform::qt
