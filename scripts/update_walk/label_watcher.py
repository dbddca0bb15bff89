"""Writes down every text the program's labels take on, with its time,
including those that come and go between screenshots, for two minutes.
Needs the system Python (GObject bindings)."""
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def heard(event):
    name = event.source.get_name() if event.source else ""
    if name:
        print(f"{time.time():.3f} {event.source.get_role_name()}: {name}", flush=True)


def main():
    listener = Atspi.EventListener.new(heard)
    listener.register("object:property-change:accessible-name")
    GLib.timeout_add_seconds(120, Atspi.event_quit)
    Atspi.event_main()


if __name__ == "__main__":
    main()
