"""What every step of the walk shares: messages, waiting and failing."""
import subprocess
import sys
import time


class WalkFailed(Exception):
    """A step of the walk could not be done."""


def step(text):
    print(f"== {text}", flush=True)


def note(text):
    print(f"   {text}", flush=True)


def wait_for(seconds, condition):
    """True once condition() holds, False when it did not within `seconds`."""
    deadline = time.monotonic() + seconds
    while True:
        if condition():
            return True
        if time.monotonic() >= deadline:
            return False
        time.sleep(0.2)


def run(command, **options):
    """Runs a command to its end; its standard output, stripped."""
    return subprocess.run(command, check=True, capture_output=True, text=True, **options).stdout.strip()


def succeeds(command, **options):
    return subprocess.run(command, capture_output=True, check=False, **options).returncode == 0


def fail(text):
    print(f"update-walk: {text}", file=sys.stderr, flush=True)
    raise WalkFailed(text)
