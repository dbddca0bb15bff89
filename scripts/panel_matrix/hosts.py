"""The panel hosts Debian 12 offers under X, each as the packages it needs,
the settings a first start wants, the programs to start and where its
panel lies on the 1024×768 screen."""
import json
import time
from dataclasses import dataclass, field
from pathlib import Path
from typing import Callable

from update_walk.common import wait_for

from .session import HostFailed

OPENBOX = ["openbox", "--config-file", "/etc/xdg/openbox/rc.xml"]
AYATANA_SERVICE = "/usr/libexec/ayatana-indicator-application/ayatana-indicator-application-service"
WATCHER = "org.kde.StatusNotifierWatcher"


@dataclass
class Host:
    name: str
    title: str
    packages: list
    panel: tuple  # (x, y, width, height)
    commands: list  # (log name, command) started in this order, a second apart
    ready: Callable = lambda session: True
    env: dict = field(default_factory=dict)
    settings: str = ""  # GSettings keyfile
    files: dict = field(default_factory=dict)  # home-relative path: text
    system_bus: bool = False
    start_timeout: float = 30
    settle: float = 3
    escape_first: bool = False  # the desktop opens with an overview to dismiss
    widget: bool = False  # adds the clock's Plasma widget from the build folder to the panel


def owns(name):
    return lambda session: session.bus_has(name)


def owns_prefix(prefix, *names):
    def check(session):
        present = session.bus_names()
        return any(each.startswith(prefix) for each in present) and all(each in present for each in names)
    return check


def mate_settings(applet_iid):
    return ("[org/mate/panel/general]\ntoplevel-id-list=['top']\nobject-id-list=['item-area']\n"
            "[org/mate/panel/toplevels/top]\norientation='top'\nsize=24\nexpand=true\nscreen=0\n"
            "[org/mate/panel/objects/item-area]\nobject-type='applet'\n"
            f"applet-iid='{applet_iid}'\ntoplevel-id='top'\nposition=0\npanel-right-stick=true\nlocked=true\n")


def xfce_panel(plugin):
    return {"xfce4/xfconf/xfce-perchannel-xml/xfce4-panel.xml": f"""<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=6;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="28"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
        <value type="int" value="2"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="separator">
      <property name="expand" type="bool" value="true"/>
      <property name="style" type="uint" value="0"/>
    </property>
    <property name="plugin-2" type="string" value="{plugin}"/>
  </property>
</channel>
"""}


def plasma(name, title, widget=False):
    return Host(name, title, ["plasma-workspace", "plasma-desktop", "kded5"], BOTTOM,
                [("kded5", ["kded5"]), ("plasmashell", ["plasmashell", "--no-respawn"])],
                owns_prefix("org.kde.plasmashell", WATCHER),
                env={"XDG_CURRENT_DESKTOP": "KDE", "KDE_SESSION_VERSION": "5", "KDE_FULL_SESSION": "true",
                     "QT_QUICK_BACKEND": "software", "QT_QPA_PLATFORM": "xcb"},
                start_timeout=90, settle=15, widget=widget)


def gnome(name, title, with_extension, ready):
    packages = ["gnome-shell", "gnome-shell-extension-appindicator"] if with_extension else ["gnome-shell"]
    enabled = "'ubuntu-appindicators@ubuntu.com'" if with_extension else ""
    return Host(name, title, packages, TOP, [("gnome-shell", ["gnome-shell", "--x11"])], ready,
                env={"XDG_CURRENT_DESKTOP": "GNOME", "XDG_SESSION_TYPE": "x11", "XDG_SESSION_DESKTOP": "gnome"},
                settings=f"[org/gnome/shell]\nenabled-extensions=[{enabled}]\n"
                         "disable-user-extensions=false\nwelcome-dialog-last-shown-version='99'\n",
                system_bus=True, start_timeout=60, settle=15, escape_first=True)


TOP = (0, 0, 1024, 32)
BOTTOM = (0, 712, 1024, 56)

HOSTS = [
    Host("mate-notification-area", "MATE notification area (mate-panel)", ["mate-panel"], TOP,
         [("mate-panel", ["mate-panel"])], owns(WATCHER),
         env={"XDG_CURRENT_DESKTOP": "MATE"},
         settings=mate_settings("NotificationAreaAppletFactory::NotificationArea")),
    Host("mate-indicator-applet", "MATE indicator applet (mate-indicator-applet + ayatana-indicator-application)",
         ["mate-panel", "mate-indicator-applet", "ayatana-indicator-application"], TOP,
         [("indicator-service", [AYATANA_SERVICE]), ("mate-panel", ["mate-panel"])], owns(WATCHER),
         env={"XDG_CURRENT_DESKTOP": "MATE"},
         settings=mate_settings("IndicatorAppletCompleteFactory::IndicatorAppletComplete")),
    Host("xfce-systray", "XFCE 4.18 panel, status tray (xfce4-panel systray)", ["xfce4-panel"], TOP,
         [("xfce4-panel", ["xfce4-panel"])], owns(WATCHER),
         env={"XDG_CURRENT_DESKTOP": "XFCE"}, files=xfce_panel("systray")),
    Host("xfce-indicator", "XFCE 4.18 panel, indicator plugin (xfce4-indicator-plugin)",
         ["xfce4-panel", "xfce4-indicator-plugin", "ayatana-indicator-application"], TOP,
         [("indicator-service", [AYATANA_SERVICE]), ("xfce4-panel", ["xfce4-panel"])], owns(WATCHER),
         env={"XDG_CURRENT_DESKTOP": "XFCE"}, files=xfce_panel("indicator")),
    plasma("kde-plasma", "KDE Plasma 5.27 system tray"),
    plasma("kde-plasma-widget", "KDE Plasma 5.27 panel with the Horalet widget", widget=True),
    gnome("gnome-appindicator", "GNOME 43 + AppIndicator extension (gnome-shell-extension-appindicator)",
          True, owns(WATCHER)),
    gnome("gnome", "GNOME 43 without the extension", False, owns("org.gnome.Shell")),
    Host("cinnamon", "Cinnamon 5.6 (cinnamon + xapp-sn-watcher)", ["cinnamon", "xapp-sn-watcher"], BOTTOM,
         [("cinnamon", ["cinnamon"]), ("xapp-sn-watcher", ["/usr/libexec/xapps/sn-watcher/xapp-sn-watcher"])],
         owns_prefix("org.x.StatusIconMonitor", WATCHER),
         env={"XDG_CURRENT_DESKTOP": "X-Cinnamon", "XDG_SESSION_TYPE": "x11"},
         system_bus=True, start_timeout=60, settle=6),
    Host("trayer", "trayer (XEmbed tray) + openbox", ["trayer", "openbox"], TOP,
         [("openbox", OPENBOX), ("trayer", ["trayer", "--edge", "top", "--align", "right", "--widthtype", "request",
                                             "--height", "24", "--transparent", "false", "--tint", "0x303030"])]),
    Host("tint2", "tint2 (XEmbed tray) + openbox", ["tint2", "openbox"], BOTTOM,
         [("openbox", OPENBOX), ("tint2", ["tint2"])]),
    Host("lxpanel", "lxpanel (XEmbed tray) + openbox", ["lxpanel", "openbox"], BOTTOM,
         [("openbox", OPENBOX), ("lxpanel", ["lxpanel", "--profile", "default"])]),
]


def prepare(session, host):
    """Writes the host's first-start settings into the session's home."""
    home = Path(session.env["XDG_CONFIG_HOME"])
    if host.settings:
        keyfile = home / "glib-2.0/settings/keyfile"
        keyfile.parent.mkdir(parents=True, exist_ok=True)
        keyfile.write_text(host.settings)
        session.env["GSETTINGS_BACKEND"] = "keyfile"
    for path, text in host.files.items():
        target = home / path
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_text(text)
    session.env.update(host.env)


def plasma_widget_id(build):
    """The id of the Plasma widget the build folder carries, or None."""
    for metadata in sorted((build / "share/plasma/plasmoids").glob("*/metadata.json")):
        return json.loads(metadata.read_text())["KPlugin"]["Id"]
    return None


def shows_widgets_from(session, build):
    """Plasma looks for widgets in the build folder first, as where they are installed."""
    session.env["XDG_DATA_DIRS"] = f"{build.resolve()}/share:/usr/local/share:/usr/share"


def add_plasma_widget(session, widget):
    def evaluate(script):
        return session.run(["dbus-send", "--session", "--print-reply", "--dest=org.kde.plasmashell", "/PlasmaShell",
                            "org.kde.PlasmaShell.evaluateScript", f"string:{script}"])

    if not wait_for(60, lambda: "method return" in evaluate('if (panels().length == 0) throw "no panel yet";')):
        raise HostFailed("plasmashell has no panel to add the widget to")
    evaluate(f'panels()[0].addWidget("{widget}")')


def start(session, host):
    for name, command in host.commands:
        session.start(name, command)
        time.sleep(1)
