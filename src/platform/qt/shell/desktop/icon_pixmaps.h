#pragma once

#include <functional>

#include <QImage>

#include "platform/qt/shell/desktop/status_notifier_types.h"

namespace horalet::platform::qt {

// An icon drawn at the sizes panels ask for, as a status item's pixmaps.
StatusIconPixmapList iconPixmaps(const std::function<QImage(int size)>& draw);

} // namespace horalet::platform::qt
