"""Runs the clock beside a host that is up, finds its item on the screen,
clicks it and tells what happened: the pictures and the figures behind
the summary."""
import time

from update_walk.common import wait_for

from . import pictures, report
from .screen import PARKED

SETTINGS = (("localeID", "zh_CN"), ("showSeconds", "-bool", "true"))  # seconds on: the text is what changes each second
ITEM_WAIT = 6  # seconds from the clock's start to the first picture: registration and the host's redraw
CLICKS = (("left", 1), ("right", 3))
SMALLEST_MENU = (60, 40)
MENU_CALLS = ("AboutToShow", "AboutToShowGroup", "GetLayout")  # a host reading the clock's exported menu
CLICK_CALLS = ("Activate", "ContextMenu", "SecondaryActivate", "ButtonPress", "ButtonRelease")
CLOCKS_OWN, DRAWN_BY_HOST, HOSTS_OWN = "the clock's own", "drawn by the host", "a menu of the host's, not the clock's"


def configure(session, horalet):
    for setting in SETTINGS:
        session.run([str(horalet), "defaults", "write", *setting])


def probe(session, screen, panel, horalet, folder, horalet_env=None):
    result = {}
    screen.park()
    time.sleep(1)
    empty = screen.grab()
    clock = session.start("horalet", [str(horalet)], horalet_env)
    time.sleep(ITEM_WAIT)
    if clock.poll() is not None:
        result["horalet_exit"] = clock.returncode
    shots = []
    for _ in range(3):
        shots.append(screen.grab())
        time.sleep(1.1)
    item = pictures.new_parts(empty, shots[0], panel) or pictures.box(pictures.changes(empty, shots[0]))
    text = pictures.ticking(shots)
    own_window = _window_holding(screen, text, clock.pid)
    result.update(item_box=item, text_box=text)
    if own_window:
        result["text"] = "window"
        pictures.crop(shots[-1], own_window, 2, folder / "window.png")
    else:
        result["text"] = "panel" if pictures.inside(text, panel) else ("elsewhere" if text else "no")
    empty.crop(_area(panel)).save(folder / "panel-without.png", optimize=True)
    shots[-1].crop(_area(panel)).save(folder / "panel.png", optimize=True)
    target = _target(text, item, panel)
    result["clicked_at"] = target
    if target is None:
        return result
    pictures.crop(shots[-1], _near(target), 0, folder / "item.png")
    for name, button in CLICKS:
        result[f"{name}_click"] = _click(screen, target, button, panel, clock.pid, folder / f"menu-{name}.png",
                                         session.logs / "bus-traffic.log")
    if clock.poll() is not None:
        result["horalet_exit"] = clock.returncode
    return result


def _window_holding(screen, text, clock_pid):
    """The clock's own window the ticking text is in, if it is in one."""
    if not text:
        return None
    x, y = pictures.centre(text)
    for left, top, width, height, pid, _ in screen.mapped_windows().values():
        if pid == clock_pid and left <= x < left + width and top <= y < top + height:
            return left, top, width, height
    return None


def _area(region):
    x, y, width, height = region
    return x, y, x + width, y + height


def _target(text, item, panel):
    """Where a user would click: the ticking text, else what appeared in the
    panel, else whatever appeared (a window of the clock's own)."""
    if text:
        return pictures.centre(text)
    if item and pictures.inside(item, panel):
        return pictures.centre(item)
    return pictures.centre(item) if item else None


def _click(screen, target, button, panel, clock_pid, picture, traffic):
    """What one click brought up. A menu counts as the clock's when the clock
    owns its window or the host asked the clock for its menu meanwhile; a
    menu of the host's own (an applet's) does not."""
    screen.park()
    time.sleep(0.8)
    traffic_before = traffic.stat().st_size
    prior = screen.mapped_windows()
    before = screen.grab()
    screen.click(*target, button)

    def new_windows():
        return {wid: info for wid, info in screen.mapped_windows().items()
                if wid not in prior and info[2] >= SMALLEST_MENU[0] and info[3] >= SMALLEST_MENU[1]}

    wait_for(4, lambda: bool(new_windows()))
    time.sleep(1.2)
    appeared = new_windows()
    after = screen.grab()
    asked = report.bus_traffic(traffic, traffic_before)
    outcome = {"asked": asked}
    if appeared:
        menu = pictures.union(*[info[:4] for info in appeared.values()])
        owners = {info[4] for info in appeared.values()}
        outcome["window_titles"] = sorted({info[5] for info in appeared.values() if info[5]})
    else:
        outside_panel = pictures.changes(before, after)
        x, y, width, height = panel
        outside_panel.paste(0, (x, y, x + width, y + height))
        menu = pictures.box(outside_panel)
        if menu and (menu[2] < SMALLEST_MENU[0] or menu[3] < SMALLEST_MENU[1]):
            menu = None
        owners = set()
    outcome["menu"] = _whose_menu(menu, owners, clock_pid, asked.get("calls", {}))
    outcome["menu_box"] = menu
    outcome["opened"] = outcome["menu"] in (CLOCKS_OWN, DRAWN_BY_HOST)
    pictures.crop(after, pictures.union(menu, _near(target)), 4, picture)
    _close(screen, prior)
    return outcome


def _whose_menu(menu, owners, clock_pid, calls):
    """Whose menu came up: the clock's own window; the clock's menu drawn by
    the host, which read it on the bus; or, where no window tells its owner
    (a popup under sway), the clock's when the host asked the clock to open
    it. Anything else is a menu of the host's own."""
    if menu is None:
        return None
    if clock_pid in owners:
        return CLOCKS_OWN
    if any(call in calls for call in MENU_CALLS):
        return DRAWN_BY_HOST
    if not owners and any(call in calls for call in CLICK_CALLS):
        return CLOCKS_OWN
    return HOSTS_OWN


def _near(target):
    """The stretch of panel around the clicked point, for the picture."""
    x, y = target
    return max(0, x - 150), max(0, y - 16), 300, 32


def _close(screen, prior):
    screen.key("Escape")
    if not wait_for(2, lambda: set(screen.mapped_windows()) <= set(prior)):
        screen.xdotool("mousemove", *PARKED, "click", 1)
        wait_for(2, lambda: set(screen.mapped_windows()) <= set(prior))
    time.sleep(0.5)
