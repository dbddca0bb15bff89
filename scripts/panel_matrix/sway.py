"""Headless sway with a tray in its bar: swaybar's own, or waybar's. sway
refuses to run as root, so the whole session runs as the unprivileged user
horalet-shots; grim takes the pictures and a virtual pointer clicks (there
is no key to send: a click beside the menu closes it)."""
import json
import pwd
import shutil
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

from PIL import Image
from update_walk.common import wait_for

from . import probe
from .hosts import WATCHER, owns
from .screen import PARKED
from .session import HostFailed, Session

USER = "horalet-shots"
PANEL = (0, 0, 1024, 32)
FONT = "WenQuanYi Micro Hei"


@dataclass
class SwayHost:
    name: str
    title: str
    packages: list
    bar: str  # the sway config's bar block
    start_timeout: float = 30
    settle: float = 3


WAYBAR_CONFIG = {"position": "top", "height": 28, "modules-right": ["tray"], "tray": {"spacing": 8}}
WAYBAR_STYLE = (f'* {{ font-family: "{FONT}"; font-size: 13px; }}\n'
                "window#waybar { background: #2b303b; color: #ffffff; }\n")

HOSTS = [
    SwayHost("waybar", "waybar tray (sway 1.7, headless)", ["sway", "waybar", "grim"],
             "bar {\n    swaybar_command {folder}/waybar-bar\n}\n"),
    SwayHost("swaybar", "swaybar tray (sway 1.7, headless)", ["sway", "grim"],
             f"bar {{\n    position top\n    font pango:{FONT} 11\n    tray_output *\n}}\n"),
]


def ensure_user():
    try:
        pwd.getpwnam(USER)
    except KeyError:
        subprocess.run(["useradd", "--create-home", "--shell", "/usr/sbin/nologin", USER], check=True)


class SwayScreen:
    def __init__(self, session):
        self.session = session
        self.shots = 0
        helper = Path(__file__).with_name("virtual_pointer.py")
        self.pointer = session.start("virtual-pointer", [sys.executable, str(helper), "1024", "768"],
                                     stdin=subprocess.PIPE)
        time.sleep(1)
        if self.pointer.poll() is not None:
            raise HostFailed("no virtual pointer (see logs/virtual-pointer.log)")

    def tell(self, *lines):
        self.pointer.stdin.write("".join(f"{line}\n" for line in lines).encode())
        self.pointer.stdin.flush()

    def swaymsg(self, *arguments):
        return self.session.run(["swaymsg", *map(str, arguments)])

    def grab(self):
        self.shots += 1
        path = Path(self.session.env["HOME"]) / f"shot-{self.shots}.png"
        self.session.run(["grim", str(path)])
        with Image.open(path) as picture:
            return picture.convert("RGB")

    def park(self):
        self.tell("move {} {}".format(*PARKED))

    def click(self, x, y, button):
        self.tell(f"move {x} {y}")
        time.sleep(0.3)
        self.tell(f"press {button}", f"release {button}")
        time.sleep(0.2)
        self.park()

    def key(self, _name):
        """Nothing types here: a click on the empty desktop closes a menu instead."""
        self.click(*PARKED, 1)

    def xdotool(self, *_arguments):
        self.key("Escape")

    def mapped_windows(self):
        """The visible windows sway manages (popup menus are not among them:
        the pictures tell those)."""
        try:
            tree = json.loads(self.swaymsg("-t", "get_tree"))
        except json.JSONDecodeError:
            return {}
        found = {}

        def walk(node):
            if node.get("pid") and node.get("visible"):
                rect = node["rect"]
                found[node["id"]] = (rect["x"], rect["y"], rect["width"], rect["height"], node["pid"],
                                     node.get("name") or "")
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                walk(child)

        walk(tree)
        return found


def run(host, work, results_folder, horalet):
    account = pwd.getpwnam(USER)
    session = Session(work / host.name, owner=(account.pw_uid, account.pw_gid))
    folder = session.folder
    try:
        session.env.update({"WLR_BACKENDS": "headless", "WLR_LIBINPUT_NO_DEVICES": "1", "WLR_RENDERER": "pixman",
                            "XDG_CURRENT_DESKTOP": "sway", "XDG_SESSION_TYPE": "wayland"})
        session.write("waybar.json", json.dumps(WAYBAR_CONFIG))
        session.write("waybar.css", WAYBAR_STYLE)
        session.write("waybar-bar", f"#!/bin/sh\nexec waybar -c {folder}/waybar.json -s {folder}/waybar.css\n", 0o755)
        session.write("sway.conf", "output HEADLESS-1 resolution 1024x768\ndefault_border none\n"
                                   f"font pango:{FONT} 11\n" + host.bar.replace("{folder}", str(folder)))
        session.start_bus("session")
        session.watch_bus()
        probe.configure(session, horalet)
        session.start("sway", ["sway", "-c", str(folder / "sway.conf")])
        runtime = Path(session.env["XDG_RUNTIME_DIR"])
        if not wait_for(20, lambda: list(runtime.glob("wayland-?")) and list(runtime.glob("sway-ipc.*.sock"))):
            raise HostFailed("sway did not start")
        session.env["WAYLAND_DISPLAY"] = next(runtime.glob("wayland-?")).name
        session.env["SWAYSOCK"] = str(next(runtime.glob("sway-ipc.*.sock")))
        if not wait_for(host.start_timeout, lambda: owns(WATCHER)(session)):
            raise HostFailed(f"no tray after {host.start_timeout:.0f} s")
        time.sleep(host.settle)
        return probe.probe(session, SwayScreen(session), PANEL, horalet, results_folder)
    finally:
        session.end()
        shutil.copytree(session.logs, results_folder / "logs", dirs_exist_ok=True)
