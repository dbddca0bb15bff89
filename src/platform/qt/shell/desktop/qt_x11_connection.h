#pragma once

#include <xcb/xcb.h>

namespace horalet::platform::qt {

// Qt's own connection to the X server, or null when the application runs on
// another platform (offscreen answers as X11 too, without a connection).
xcb_connection_t* qtX11Connection();

} // namespace horalet::platform::qt
