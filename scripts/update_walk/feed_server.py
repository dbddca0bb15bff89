"""Serves a folder on 127.0.0.1 at a free port, written to PORT_FILE.

    python3 feed_server.py FOLDER SECONDS PORT_FILE

The feed and its signature go out at once; every other file (the package)
goes out in fifty pieces over SECONDS, so that the download can be seen.
"""
import functools
import http.server
import sys
import time

PIECES = 50


class Handler(http.server.SimpleHTTPRequestHandler):
    seconds = 10.0

    def copyfile(self, source, destination):
        if self.path.endswith((".xml", ".xml.sig")):
            return super().copyfile(source, destination)
        data = source.read()
        step = max(1, -(-len(data) // PIECES))
        for start in range(0, len(data), step):
            destination.write(data[start:start + step])
            destination.flush()
            time.sleep(self.seconds / PIECES)
        return None


def main():
    folder, seconds, port_file = sys.argv[1], float(sys.argv[2]), sys.argv[3]
    Handler.seconds = seconds
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Handler, directory=folder))
    with open(port_file, "w", encoding="utf-8") as out:
        out.write(str(server.server_address[1]))
    server.serve_forever()


if __name__ == "__main__":
    main()
