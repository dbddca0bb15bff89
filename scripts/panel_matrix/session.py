"""One host's world: its X display (or none, for sway), private session bus,
stand-in system bus where the desktop wants one, home folders, the bus
traffic written down, and the processes, ended together."""
import os
import secrets
import subprocess
import time
from pathlib import Path

from update_walk.common import wait_for

from .processes import Processes, as_owner


class HostFailed(Exception):
    """The host itself could not be brought up."""


class Session:
    def __init__(self, folder, display=None, owner=None):
        self.folder = folder
        self.logs = folder / "logs"
        self.logs.mkdir(parents=True, exist_ok=True)
        self.processes = Processes(self.logs, secrets.token_hex(8))
        self.display = display
        self.owner = owner  # (uid, gid) the host runs as, or None for this user
        self.env = self._private_environment()

    def _private_environment(self):
        env = {name: os.environ[name] for name in ("PATH", "TERM") if name in os.environ}
        for name, sub in {"HOME": "home", "XDG_CONFIG_HOME": "home/.config", "XDG_CACHE_HOME": "home/.cache",
                          "XDG_DATA_HOME": "home/.local/share", "XDG_RUNTIME_DIR": "runtime"}.items():
            path = self.folder / sub
            path.mkdir(parents=True, exist_ok=True)
            env[name] = str(path)
        os.chmod(env["XDG_RUNTIME_DIR"], 0o700)
        env.update({"LANG": "C.UTF-8", "NO_AT_BRIDGE": "1", "GTK_A11Y": "none"})
        if self.display is not None:
            env["DISPLAY"] = f":{self.display}"
        if self.owner:
            for path in [self.folder, *self.folder.rglob("*")]:
                os.chown(path, *self.owner)
        return env

    def write(self, name, text, mode=0o644):
        """A file in the session's folder that the session's owner can read."""
        path = self.folder / name
        path.write_text(text)
        path.chmod(mode)
        if self.owner:
            os.chown(path, *self.owner)

    def start(self, name, command, extra=None, stdin=subprocess.DEVNULL):
        return self.processes.start(name, command, dict(self.env, **(extra or {})), self.owner, stdin)

    def run(self, command, extra=None, timeout=30):
        """Runs a short command in the session's environment; its output."""
        result = subprocess.run(command, env=dict(self.env, **(extra or {})), capture_output=True, text=True,
                                timeout=timeout, check=False, **as_owner(self.owner))
        return result.stdout

    def start_display(self):
        socket = Path(f"/tmp/.X11-unix/X{self.display}")
        if socket.exists() or Path(f"/tmp/.X{self.display}-lock").exists():
            raise HostFailed(f"display :{self.display} is taken")
        self.start("xvfb", ["Xvfb", f":{self.display}", "-screen", "0", "1024x768x24", "-nolisten", "tcp",
                            "+extension", "GLX", "-dpi", "96"])
        if not wait_for(15, socket.exists):
            raise HostFailed("Xvfb did not start")

    def start_bus(self, kind):
        """A private bus: "session", or "system" for a stand-in system bus (a
        second session-style bus: the desktops only need someone there)."""
        socket = Path(self.env["XDG_RUNTIME_DIR"]) / f"{kind}-bus"
        address = f"unix:path={socket}"
        self.env["DBUS_SESSION_BUS_ADDRESS" if kind == "session" else "DBUS_SYSTEM_BUS_ADDRESS"] = address
        self.start(f"{kind}-bus", ["dbus-daemon", "--session", "--nofork", f"--address={address}"])
        if not wait_for(10, socket.exists):
            raise HostFailed(f"the {kind} bus did not start")

    def watch_bus(self):
        """Writes down the calls and errors on the session bus, to tell what
        the host asked of the item and what it got back."""
        self.start("bus-traffic", ["dbus-monitor", "--session", "type='method_call'", "type='error'"])

    def bus_names(self):
        out = self.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                        "/org/freedesktop/DBus", "org.freedesktop.DBus.ListNames"])
        return [line.split('"')[1] for line in out.splitlines() if line.strip().startswith('string "')]

    def bus_has(self, name):
        return name in self.bus_names()

    def end(self):
        self.processes.end_all()
        time.sleep(0.3)
