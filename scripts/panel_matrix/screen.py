"""What is on an X display and the pointer on it: pictures, the windows
that are mapped, clicks and keys (xdotool)."""
import subprocess

from PIL import ImageGrab
from Xlib import X, display as xdisplay, error

PARKED = (512, 420)  # an empty stretch of desktop, away from every panel


class Screen:
    def __init__(self, session):
        self.session = session
        self.name = session.env["DISPLAY"]

    def grab(self):
        return ImageGrab.grab(xdisplay=self.name)

    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *map(str, arguments)], env=self.session.env, check=False,
                       capture_output=True, timeout=10)

    def park(self):
        self.xdotool("mousemove", *PARKED)

    def click(self, x, y, button):
        """Clicks, then moves the pointer away: a tooltip must not pass for a
        menu, and an open menu stays open."""
        self.xdotool("mousemove", x, y, "sleep", "0.3", "click", button, "sleep", "0.2", "mousemove", *PARKED)

    def key(self, name):
        self.xdotool("key", name)

    def mapped_windows(self):
        """{window id: (x, y, width, height, owner pid or None, name)} of every
        mapped window that is no bigger than most of the screen and no
        tooltip, down to two levels below the root (a window manager puts
        client windows in frames)."""
        connection = xdisplay.Display(self.name)
        try:
            root = connection.screen().root
            atoms = {name: connection.intern_atom(name) for name in
                     ("_NET_WM_PID", "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_TOOLTIP")}
            found = {}
            self._collect(root, atoms, found, 0, 0, 0)
            return found
        finally:
            connection.close()

    def _collect(self, parent, atoms, found, depth, left, top):
        for window in parent.query_tree().children:
            try:
                if window.get_attributes().map_state != X.IsViewable:
                    continue
                box = window.get_geometry()
                x, y = left + box.x, top + box.y
                kind = window.get_full_property(atoms["_NET_WM_WINDOW_TYPE"], X.AnyPropertyType)
                tooltip = kind is not None and atoms["_NET_WM_WINDOW_TYPE_TOOLTIP"] in kind.value
                if (box.width < 1000 or box.height < 700) and not tooltip:
                    pid = window.get_full_property(atoms["_NET_WM_PID"], X.AnyPropertyType)
                    name = window.get_wm_name()
                    found[window.id] = (x, y, box.width, box.height, pid.value[0] if pid else None,
                                        name if isinstance(name, str) else "")
                if depth < 2:
                    self._collect(window, atoms, found, depth + 1, x, y)
            except error.XError:  # a window gone while walking the tree
                continue
