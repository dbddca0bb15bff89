#pragma once

#include <QByteArray>
#include <QImage>

#include "platform/qt/shell/desktop/status_notifier_types.h"

namespace horalet::platform::qt {

// The program's icon: a light clock face in a dark rim, so that it reads on
// light and dark panels. Its one drawing is the SVG the package installs
// into the icon theme, built into the program; the clock face draws its
// "dial" and turns its "hour-hand" and "minute-hand" to the time.
QByteArray clockIconSvg();

// The icon rendered at `size` × `size` pixels.
QImage clockIcon(int size);

// The icon at the sizes panels ask for.
StatusIconPixmapList clockIconPixmaps();

} // namespace horalet::platform::qt
