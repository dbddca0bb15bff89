#pragma once

namespace horalet::platform::qt {

// Whether a pointer button is held down anywhere on the X11 display, such
// as a panel's click still in progress. False without X11.
bool pointerButtonHeld();

} // namespace horalet::platform::qt
