#pragma once

#include <QImage>

#include "platform/qt/shell/desktop/status_notifier_types.h"

namespace horalet::platform::qt {

// A small clock face: a ring and two hands, in the panel's usual light
// foreground with a dark outline so it reads on light and dark panels.
QImage clockIcon(int size);

// The clock at the sizes panels ask for, as the item's icon pixmaps.
StatusIconPixmapList clockIconPixmaps();

} // namespace horalet::platform::qt
