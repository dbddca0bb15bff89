#pragma once

#include <QFont>

#include "platform/ui/style.h"

namespace horalet::platform::qt {

// The Qt font for a description's font hint, derived from the widget's own
// font so that the desktop's family and size carry through.
QFont qtFont(const ui::Font& hint, const QFont& base);

// Whether every decimal digit of the font has the same advance, so a
// ticking number keeps its width.
bool hasTabularDigits(const QFont& font);

} // namespace horalet::platform::qt
