#!/usr/bin/env python3
"""Serves a folder on 127.0.0.1 only, with the types a browser needs for the
site's files (the module's .wasm, the JavaScript modules, the manifest), and
no caching, so that what a test sees is what the folder holds.

    static_server.py FOLDER [--port N]

prints where it serves ("... at http://127.0.0.1:N/ ...") on its first line; port 0 (the
default) takes a free one. Used by the page's tests and by `scripts/run --web`.
"""

import argparse
import functools
import http.server
import sys
import threading
from urllib.parse import urlparse

TYPES = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".mjs": "text/javascript; charset=utf-8",
    ".css": "text/css; charset=utf-8",
    ".wasm": "application/wasm",
    ".webmanifest": "application/manifest+json",
    ".json": "application/json",
    ".svg": "image/svg+xml",
    ".png": "image/png",
    ".zip": "application/zip",
}


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    # Keeps connections open between requests, as any web server does.
    protocol_version = "HTTP/1.1"
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}
    quiet = True
    requested = None  # a list that collects the paths asked for, when set
    # A list that collects, when set, the path (no query) of each request
    # answered with a file's body: one with neither If-Modified-Since nor
    # If-None-Match, so never "not modified".
    sent = None
    pages = {}  # paths served from memory beside the folder (the tests' own pages)
    held = {}  # paths whose answers wait until their event is set (a slow network)

    def end_headers(self):
        self.send_header("Cache-Control", "no-cache")
        self.send_header("X-Content-Type-Options", "nosniff")
        super().end_headers()

    def do_GET(self):
        if self.requested is not None:
            self.requested.append(self.path)
        if self.sent is not None and not (self.headers.get("If-Modified-Since")
                                          or self.headers.get("If-None-Match")):
            self.sent.append(urlparse(self.path).path)
        gate = self.held.get(self.path.split("?", 1)[0])
        if gate is not None:
            gate.wait()
        page = self.pages.get(self.path.split("?", 1)[0])
        if page is None:
            super().do_GET()
            return
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(page)))
        self.end_headers()
        self.wfile.write(page)

    def log_message(self, format, *args):
        if not self.quiet:
            super().log_message(format, *args)


class SiteServer:
    """A server in a thread of its own: start() gives its address, stop() ends it."""

    def __init__(self, folder, port=0, quiet=True, requested=None, pages=None, sent=None):
        handler = type("Handler", (SiteHandler,),
                       {"quiet": quiet, "requested": requested, "sent": sent,
                        "pages": pages or {}, "held": {},
                        "extensions_map": dict(SiteHandler.extensions_map)})
        self.held = handler.held
        self.types = handler.extensions_map  # a file name's ending -> its Content-Type
        self.httpd = http.server.ThreadingHTTPServer(
            ("127.0.0.1", port), functools.partial(handler, directory=str(folder)))
        self.httpd.daemon_threads = True
        self.thread = None

    @property
    def url(self):
        return f"http://127.0.0.1:{self.httpd.server_address[1]}/"

    def hold(self, path, gate):
        """Answers for `path` wait until the threading.Event `gate` is set."""
        self.held[path] = gate

    def start(self):
        self.thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self.thread.start()
        return self.url

    def stop(self):
        for gate in self.held.values():
            gate.set()
        self.httpd.shutdown()
        self.httpd.server_close()
        self.thread.join()


def main():
    parser = argparse.ArgumentParser(description="Serve the site on 127.0.0.1.")
    parser.add_argument("folder")
    parser.add_argument("--port", type=int, default=0)
    args = parser.parse_args()
    server = SiteServer(args.folder, args.port, quiet=False)
    print(f"Serving {args.folder} at {server.url} (Ctrl+C stops)", flush=True)
    try:
        server.httpd.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.httpd.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
