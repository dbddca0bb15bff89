"""Reads and presses the program's windows through the accessibility bus.

    window.py update-status        the settings window's update status, its
                                   button and its version text, one a line
    window.py dialog               the texts of the update dialog, if open
    window.py where WINDOW BUTTON  the screen centre of a button: "x y"

Run as a process of its own for every question, so that no answer comes
from a cache of an earlier one. Needs the system Python (GObject bindings).
"""
import re
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def children(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def window(title):
    for app in children(Atspi.get_desktop(0)):
        for top in children(app):
            if re.fullmatch(title, top.get_name() or ""):
                return top
    return None


def update_group(settings):
    for node in walk(settings):
        if node.get_role_name() == "label" and node.get_name() == "软件更新":
            groups = [c for c in children(node.get_parent()) if c is not node]
            return groups[-1] if groups else None
    return None


def texts(node):
    for each in walk(node):
        if each.get_role_name() == "label" and each.get_name():
            yield each.get_name()


def update_status():
    settings = window(".*设置.*")
    group = update_group(settings) if settings else None
    if group is None:
        return 1
    labels = [c.get_name() for c in children(group) if c.get_role_name() == "label"]
    buttons = [n.get_name() for n in walk(group) if n.get_role_name() == "push button"]
    versions = [n.get_name() for n in walk(group) if re.fullmatch(r"v\S+", n.get_name() or "")]
    print(labels[-1] if labels else "")
    print(buttons[0] if buttons else "")
    print(versions[0] if versions else "")
    return 0


def dialog():
    found = window("软件更新")
    if found is None:
        return 1
    print("\n".join(texts(found)))
    return 0


def where(title, button):
    top = window(title)
    found = [n for n in walk(top) if n.get_role_name() == "push button"
             and re.fullmatch(button, n.get_name() or "")] if top else []
    if not found:
        return 1
    box = found[0].get_extents(Atspi.CoordType.SCREEN)
    print(box.x + box.width // 2, box.y + box.height // 2)
    return 0


def main():
    command = sys.argv[1]
    if command == "update-status":
        return update_status()
    if command == "dialog":
        return dialog()
    if command == "where":
        return where(sys.argv[2], sys.argv[3])
    return 2


if __name__ == "__main__":
    sys.exit(main())
