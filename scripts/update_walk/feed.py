"""The signed feed the walk serves, and the server it runs."""
import subprocess
import sys
from pathlib import Path

from .common import fail, run, wait_for

HEAD = ('<?xml version="1.0" encoding="utf-8"?>\n'
        '<rss version="2.0" xmlns:sparkle="http://www.andymatuschak.org/xml-namespaces/sparkle">\n'
        '  <channel>\n'
        '    <title>Horalet</title>\n')
TAIL = "  </channel>\n</rss>\n"


class Feed:
    def __init__(self, source, folder, key):
        self.release = str(source / "scripts/release")
        self.folder = folder
        self.key = key
        folder.mkdir(parents=True, exist_ok=True)

    def write(self, item=""):
        """Writes the feed with `item` (or none) and signs it, as a release
        does: the program believes no feed without its signature."""
        feed = self.folder / "appcast.xml"
        part = self.folder / "appcast.xml.part"
        part.write_text(HEAD + (item + "\n" if item else "") + TAIL, encoding="utf-8")
        part.replace(feed)
        run([self.release, "sign-feed", str(self.key), str(feed)])

    def item(self, package, url, version, notes):
        return run([self.release, "item", str(self.key), str(package), url, version, notes])


def serve(folder, seconds, session, log, processes):
    """Starts the server; returns its port."""
    port_file = session / "port"
    server = subprocess.Popen([sys.executable, str(Path(__file__).with_name("feed_server.py")), str(folder),
                               str(seconds), str(port_file)], stdout=log, stderr=subprocess.STDOUT)
    processes.append(server)
    if not wait_for(10, lambda: port_file.exists() and port_file.read_text(encoding="utf-8")):
        fail("the feed server did not start")
    return int(port_file.read_text(encoding="utf-8"))
