#pragma once

class QWindow;

namespace horalet::platform::qt {

// Asks an X11 window manager to treat a window, about to be mapped, like
// part of the panel: no taskbar or pager entry, on every desktop. (Qt says
// "above the others" itself.) False when the display is not X11, where no
// such request exists.
bool askToBehaveLikePanel(QWindow& window);

} // namespace horalet::platform::qt
