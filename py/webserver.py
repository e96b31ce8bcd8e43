"""Stand-in for the plant's web-server script.

Serves the current directory on a local port and reports each request on its
standard output, so the program's web-server window has something to relay.
"""

import http.server
import os
import sys

PORT = int(os.environ.get("TAVELL_WEBSERVER_PORT", "8080"))


class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, fmt, *args):
        print("%s %s" % (self.address_string(), fmt % args))


def main():
    try:
        server = http.server.ThreadingHTTPServer(("127.0.0.1", PORT), Handler)
    except OSError as e:
        print(f"Webserver konnte nicht starten: {e}", file=sys.stderr)
        return 1
    print(f"Webserver läuft auf http://127.0.0.1:{PORT}/")
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
