#pragma once

#include <QString>

namespace horalet::platform::qt {

// "horalet" when the icon theme has the program's icon (it was installed),
// else empty, so that panels fall back to the drawn pixmaps.
QString installedIconName();

} // namespace horalet::platform::qt
