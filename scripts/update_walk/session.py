"""A private X display, session bus and home for the programs of the walk,
and the processes it starts, ended in reverse order when it is over."""
import os
import signal
import subprocess

from .common import fail, run, wait_for


class Processes(list):
    """The processes the walk started, and those it did not start itself but
    must end (the program the installation relaunched)."""

    def __init__(self):
        super().__init__()
        self.adopted = []

    def adopt(self, pid):
        self.adopted.append(pid)

    def end_all(self):
        for pid in self.adopted:
            try:
                os.kill(pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        for process in reversed(self):
            if process.poll() is None:
                process.terminate()
        for process in self:
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()


def private_environment(session):
    home = {"HOME": "home", "XDG_CONFIG_HOME": "config", "XDG_CACHE_HOME": "cache", "XDG_DATA_HOME": "data"}
    for name, folder in home.items():
        (session / folder).mkdir(parents=True, exist_ok=True)
        os.environ[name] = str(session / folder)
    runtime = session / "runtime"
    runtime.mkdir(mode=0o700, parents=True, exist_ok=True)
    os.environ.update({"XDG_RUNTIME_DIR": str(runtime), "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8",
                       "QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
    for name in ("WAYLAND_DISPLAY", "SESSION_MANAGER"):
        os.environ.pop(name, None)


def start_announcing(command, output_file, log, processes):
    """Starts a program that writes its address to the descriptor named in
    its command line ({fd}); waits for the address and returns it."""
    with open(output_file, "w", encoding="utf-8") as out:
        fd = out.fileno()
        process = subprocess.Popen([part.format(fd=fd) for part in command], stdout=log, stderr=subprocess.STDOUT,
                                   pass_fds=(fd,))
    processes.append(process)
    if not wait_for(10, lambda: output_file.read_text(encoding="utf-8").strip() != ""):
        fail(f"{command[0]} did not start")
    return output_file.read_text(encoding="utf-8").strip()


def start(session, logs, fake_panel, processes):
    private_environment(session)
    display = start_announcing(["Xvfb", "-displayfd", "{fd}", "-screen", "0", "1024x1024x24", "-nolisten", "tcp"],
                             session / "display", open(logs / "xvfb.log", "w", encoding="utf-8"), processes)
    os.environ["DISPLAY"] = f":{display}"
    bus = start_announcing(["dbus-daemon", "--session", "--nofork", "--print-address={fd}"], session / "bus",
                         open(logs / "session-bus.log", "w", encoding="utf-8"), processes)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.splitlines()[0]
    # The accessibility bus must be up before the program starts, or Qt
    # does not offer its widgets there.
    run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
         "org.a11y.Bus.GetAddress"])
    processes.append(subprocess.Popen([str(fake_panel)], stdout=open(logs / "fake-panel.log", "w", encoding="utf-8"),
                                      stderr=subprocess.STDOUT))


def bus_pid(name):
    result = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
                             "/org/freedesktop/DBus", "org.freedesktop.DBus.GetConnectionUnixProcessID",
                             f"string:{name}"], capture_output=True, text=True, check=False)
    for line in result.stdout.splitlines():
        if "uint32" in line:
            return int(line.split()[-1])
    return None
