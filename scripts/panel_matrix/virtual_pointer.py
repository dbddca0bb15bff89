"""A pointer for a compositor that has none (headless sway): creates a
virtual pointer through the wlroots virtual-pointer protocol, speaking the
Wayland wire format itself (Debian 12 packages no Python binding and no
tool for it), then moves and presses it as told on standard input, one
command a line, until standard input ends:

    move X Y        put the pointer at X, Y of the WIDTH×HEIGHT layout
    press BUTTON    1 left, 2 middle, 3 right
    release BUTTON

    virtual_pointer.py WIDTH HEIGHT   (WAYLAND_DISPLAY, XDG_RUNTIME_DIR set)

Without a pointer device the seat offers clients no pointer at all, and
sway's own `seat cursor` commands reach no client.
"""
import os
import socket
import struct
import sys
import time

DISPLAY, REGISTRY, CALLBACK, MANAGER, POINTER = 1, 2, 3, 4, 5  # a client numbers its objects in order
MANAGER_INTERFACE = "zwlr_virtual_pointer_manager_v1"
LINUX_BUTTONS = {"1": 0x110, "2": 0x112, "3": 0x111}  # BTN_LEFT, BTN_MIDDLE, BTN_RIGHT


def string(text):
    data = text.encode() + b"\0"
    return struct.pack("=I", len(data)) + data + b"\0" * (-len(data) % 4)


def send(connection, object_id, opcode, payload=b""):
    connection.sendall(struct.pack("=II", object_id, (8 + len(payload)) << 16 | opcode) + payload)


def events(connection):
    buffer = b""
    while True:
        chunk = connection.recv(4096)
        if not chunk:
            raise SystemExit("virtual_pointer: the compositor closed the connection")
        buffer += chunk
        while len(buffer) >= 8:
            object_id, word = struct.unpack("=II", buffer[:8])
            size = word >> 16
            if len(buffer) < size:
                break
            yield object_id, word & 0xFFFF, buffer[8:size]
            buffer = buffer[size:]


def read_string(payload, offset):
    length = struct.unpack_from("=I", payload, offset)[0]
    text = payload[offset + 4:offset + 4 + length - 1].decode()
    return text, offset + 4 + length + (-length % 4)


def connect():
    path = os.path.join(os.environ["XDG_RUNTIME_DIR"], os.environ["WAYLAND_DISPLAY"])
    connection = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
    connection.connect(path)
    send(connection, DISPLAY, 1, struct.pack("=I", REGISTRY))  # wl_display.get_registry
    send(connection, DISPLAY, 0, struct.pack("=I", CALLBACK))  # wl_display.sync: the globals come before its done
    manager = None
    for object_id, opcode, payload in events(connection):
        if object_id == REGISTRY and opcode == 0:  # wl_registry.global
            name = struct.unpack_from("=I", payload)[0]
            interface, _ = read_string(payload, 4)
            if interface == MANAGER_INTERFACE:
                manager = name
        elif object_id == DISPLAY and opcode == 0:  # wl_display.error
            raise SystemExit(f"virtual_pointer: protocol error {payload!r}")
        elif object_id == CALLBACK:
            break
    if manager is None:
        raise SystemExit(f"virtual_pointer: the compositor offers no {MANAGER_INTERFACE}")
    bind = struct.pack("=I", manager) + string(MANAGER_INTERFACE) + struct.pack("=II", 1, MANAGER)
    send(connection, REGISTRY, 0, bind)  # wl_registry.bind
    send(connection, MANAGER, 0, struct.pack("=II", 0, POINTER))  # create_virtual_pointer(default seat, id)
    return connection


def now():
    return int(time.monotonic() * 1000) & 0xFFFFFFFF


def main():
    width, height = int(sys.argv[1]), int(sys.argv[2])
    connection = connect()
    print("ready", flush=True)
    for line in sys.stdin:
        words = line.split()
        if words[:1] == ["move"]:
            send(connection, POINTER, 1, struct.pack("=IIIII", now(), int(words[1]), int(words[2]), width, height))
        elif words[:1] in (["press"], ["release"]):
            send(connection, POINTER, 2, struct.pack("=III", now(), LINUX_BUTTONS[words[1]], words[0] == "press"))
        else:
            continue
        send(connection, POINTER, 4)  # frame


if __name__ == "__main__":
    main()
