"""Serves a folder on 127.0.0.1 with Cache-Control: no-store, so that a page
that works once the server is gone works from its service worker alone.
Prints the port once it listens; runs until killed.
usage: serve.py FOLDER"""
import functools
import http.server
import sys


class NoStore(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
                      ".js": "text/javascript"}

    def end_headers(self):
        self.send_header("Cache-Control", "no-store")
        super().end_headers()

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(NoStore, directory=sys.argv[1]))
print(server.server_address[1], flush=True)
server.serve_forever()
