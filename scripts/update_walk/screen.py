"""What the walk sees of the program's windows and does with them: the
accessibility bus (through window.py), the pointer and screenshots."""
import re
import subprocess
import sys
from pathlib import Path

from .common import fail, note, run, wait_for

SYSTEM_PYTHON = "/usr/bin/python3"  # the one with the GObject bindings
WINDOW = str(Path(__file__).with_name("window.py"))


def update_status():
    """(status, button, version) of the settings window's update section,
    or None while there is no such window."""
    result = subprocess.run([SYSTEM_PYTHON, WINDOW, "update-status"], capture_output=True, text=True, check=False)
    if result.returncode != 0:
        return None
    lines = (result.stdout.splitlines() + ["", "", ""])[:3]
    return tuple(lines)


def status_matches(pattern):
    shown = update_status()
    return shown is not None and re.search(pattern, shown[0]) is not None


def button_matches(pattern):
    shown = update_status()
    return shown is not None and re.search(pattern, shown[1]) is not None


def dialog_texts():
    result = subprocess.run([SYSTEM_PYTHON, WINDOW, "dialog"], capture_output=True, text=True, check=False)
    return result.stdout if result.returncode == 0 else None


def dialog_shows(text):
    shown = dialog_texts()
    return shown is not None and text in shown


def press(window, button):
    """Moves the pointer to a button the accessibility bus names and clicks."""
    result = subprocess.run([SYSTEM_PYTHON, WINDOW, "where", window, button], capture_output=True, text=True,
                            check=False)
    if result.returncode != 0:
        fail(f'no button "{button}" in the window "{window}"')
    x, y = result.stdout.split()
    run(["xdotool", "mousemove", x, y, "sleep", "0.2", "click", "1"])
    note(f'pressed "{button}"')


def screenshot(shots, name):
    path = shots / f"{name}.png"
    run(["import", "-window", "root", str(path)])
    note(f"screenshot {path}")


def show_settings_window_whole():
    """Moves the settings window to the corner, tall enough for the whole
    form, update section included."""
    window_id = run(["xdotool", "search", "--sync", "--name", "设置"]).splitlines()[0]
    run(["xdotool", "windowmove", window_id, "0", "0", "windowsize", window_id, "440", "1000"])


def start_label_watcher(log, processes):
    processes.append(subprocess.Popen([SYSTEM_PYTHON, str(Path(__file__).with_name("label_watcher.py"))],
                                      stdout=log, stderr=subprocess.STDOUT))
    return processes[-1]


def wait_for_status(seconds, pattern, what):
    if not wait_for(seconds, lambda: status_matches(pattern)):
        fail(f"{what}: {update_status()}")


def echo_status():
    shown = update_status()
    note(f"status: {shown[0] if shown else '(no window)'}")


def python_is_system():
    return Path(sys.executable).resolve() == Path(SYSTEM_PYTHON).resolve()
