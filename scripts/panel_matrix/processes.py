"""The processes started for one host, each in a process group of its own
and marked in its environment, so that all of them, and whatever they
started (services the bus activated, panel applets), end with the host."""
import os
import signal
import subprocess
import time
from pathlib import Path

MARK = "HORALET_PANEL_MATRIX"


class Processes:
    def __init__(self, logs, mark):
        self.logs = logs
        self.mark = mark
        self.started = []

    def start(self, name, command, env, owner=None, stdin=subprocess.DEVNULL):
        """Starts a command, as owner (uid, gid) when given."""
        log = open(self.logs / f"{name}.log", "ab")
        process = subprocess.Popen(command, env=dict(env, **{MARK: self.mark}), stdout=log, stderr=subprocess.STDOUT,
                                   stdin=stdin, start_new_session=True, **as_owner(owner))
        log.close()
        self.started.append(process)
        return process

    def marked(self):
        """Ids of live processes carrying this run's mark, whoever started them."""
        needle = f"{MARK}={self.mark}".encode()
        found = []
        for entry in Path("/proc").iterdir():
            if not entry.name.isdigit() or int(entry.name) == os.getpid():
                continue
            try:
                if needle in (entry / "environ").read_bytes().split(b"\0"):
                    found.append(int(entry.name))
            except OSError:
                pass
        return found

    def end_all(self):
        for process in reversed(self.started):
            _signal_group(process.pid, signal.SIGTERM)
        deadline = time.monotonic() + 5
        for process in self.started:
            try:
                process.wait(timeout=max(0.1, deadline - time.monotonic()))
            except subprocess.TimeoutExpired:
                _signal_group(process.pid, signal.SIGKILL)
                process.wait()
        for pid in self.marked():
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass


def _signal_group(pid, number):
    try:
        os.killpg(pid, number)
    except ProcessLookupError:
        pass


def as_owner(owner):
    """Popen's arguments that run a command as owner (uid, gid), or as this user for None."""
    if owner is None:
        return {}
    return {"user": owner[0], "group": owner[1], "extra_groups": [], "cwd": "/"}
