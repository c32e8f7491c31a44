#!/usr/bin/env python3
"""A hostile address-book server for tarnvale-cli sync, on 127.0.0.1, with a second listener on
127.0.0.2 that records every Authorization header it receives (it must receive none).

Usage: fake-dav-server.py MODE FOLDER. Writes FOLDER/ports ("main other") once both listen,
appends to FOLDER/other.log one line per request the other host gets and its Authorization
header, and to FOLDER/main.log the request lines of the main host. MODE chooses the hostility:
redirect, discovery, hrefs, huge, endless, drip, refuse412, slow, plain.
"""
import base64
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

MODE, FOLDER = sys.argv[1], sys.argv[2]
AUTH = "Basic " + base64.b64encode(b"alice:secret").decode()
CARDS = {}  # path -> (etag, body)
VERSION = [0]
LOCK = threading.Lock()
MS = '<?xml version="1.0"?><d:multistatus xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:carddav">'
OTHER = ["", 0]


def response(href, props):
    return ("<d:response><d:href>%s</d:href><d:propstat><d:prop>%s</d:prop>"
            "<d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>" % (href, props))


def book_type():
    return "<d:resourcetype><d:collection/><c:addressbook/></d:resourcetype>"


def listing():
    inner = "".join(response(h, "<d:getetag>%s</d:getetag>" % e) for h, (e, _) in CARDS.items())
    if MODE == "hrefs":
        inner += response(OTHER[0] + "/book/x.vcf", '<d:getetag>"x"</d:getetag>')
        inner += response("/dav/other/o1.vcf", '<d:getetag>"o1"</d:getetag>')
        inner += response("/book/../other/o2.vcf", '<d:getetag>"o2"</d:getetag>')
    return inner


class Main(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def send(self, status, body=b"", headers=()):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def body(self):
        return self.rfile.read(int(self.headers.get("Content-Length") or 0)).decode()

    def handle_one(self):
        data = self.body()
        if self.headers.get("Authorization") != AUTH:
            return self.send(401, b"", [("WWW-Authenticate", 'Basic realm="t"')])
        with open(FOLDER + "/main.log", "a") as log:
            log.write(self.command + " " + self.path + "\n")
        if MODE == "redirect" and self.path.startswith("/book"):
            return self.send(307, b"", [("Location", OTHER[0] + self.path)])
        if MODE == "discovery" and self.command == "PROPFIND" and self.path in ("/", "/.well-known/carddav"):
            body = MS + response("/", "<d:current-user-principal><d:href>%s/p/</d:href>"
                                 "</d:current-user-principal>" % OTHER[0]) + "</d:multistatus>"
            return self.send(207, body.encode())
        if self.command == "PROPFIND" and self.path == "/":
            return self.send(301, b"", [("Location", "/.well-known/carddav")])
        if self.command == "PROPFIND" and self.path == "/.well-known/carddav":
            body = MS + response(self.path, "<d:current-user-principal><d:href>/p/</d:href>"
                                 "</d:current-user-principal>") + "</d:multistatus>"
            return self.send(207, body.encode())
        if self.command == "PROPFIND" and self.path == "/p/":
            body = MS + response(self.path, "<c:addressbook-home-set><d:href>/home/</d:href>"
                                 "</c:addressbook-home-set>") + "</d:multistatus>"
            return self.send(207, body.encode())
        if self.command == "PROPFIND" and self.path == "/home/":
            body = (MS + response(self.path, "<d:resourcetype><d:collection/></d:resourcetype>") +
                    response("/book/", book_type()) + "</d:multistatus>")
            return self.send(207, body.encode())
        if not self.path.startswith("/book/"):
            return self.send(404)
        if self.command == "PROPFIND":
            inner = response("/book/", book_type())
            if self.headers.get("Depth") == "1":
                inner += listing()
            return self.send(207, (MS + inner + "</d:multistatus>").encode())
        if self.command == "REPORT":
            return self.report(data)
        if self.command == "GET":
            if self.path not in CARDS:
                return self.send(404)
            etag, card = CARDS[self.path]
            return self.send(200, card.encode(), [("ETag", etag)])
        if self.command == "PUT":
            if MODE == "refuse412":
                return self.send(412)
            with LOCK:
                VERSION[0] += 1
                CARDS[self.path] = ('"e%d"' % VERSION[0], data)
            return self.send(201, b"", [("ETag", CARDS[self.path][0])])
        if self.command == "DELETE":
            CARDS.pop(self.path, None)
            return self.send(204)
        return self.send(405)

    def report(self, data):
        if MODE in ("huge", "endless", "drip"):
            return self.hostile_reply()
        if MODE == "slow":
            time.sleep(3)
        if "addressbook-multiget" in data:
            inner = ""
            for href, (etag, card) in CARDS.items():
                if href in data:
                    inner += response(href, "<d:getetag>%s</d:getetag><c:address-data>%s"
                                      "</c:address-data>" % (etag, card.replace("&", "&amp;")
                                                             .replace("<", "&lt;").replace("\r", "&#13;")))
            return self.send(207, (MS + inner + "</d:multistatus>").encode())
        body = MS + listing() + "<d:sync-token>t%d</d:sync-token></d:multistatus>" % VERSION[0]
        return self.send(207, body.encode())

    def hostile_reply(self):
        self.send_response(207)
        if MODE == "huge":
            self.send_header("Content-Length", str(300 * 1024 * 1024))
        else:
            self.send_header("Transfer-Encoding", "chunked")
        self.end_headers()
        block = (response("/book/a.vcf", '<d:getetag>"a"</d:getetag>') * 400).encode()
        try:
            if MODE == "huge":
                sent = 0
                while sent < 300 * 1024 * 1024:
                    part = block[: 300 * 1024 * 1024 - sent]
                    self.wfile.write(part)
                    sent += len(part)
            elif MODE == "endless":
                while True:
                    self.wfile.write(b"%x\r\n%s\r\n" % (len(block), block))
            else:
                while True:
                    self.wfile.write(b"a\r\n0123456789\r\n")
                    self.wfile.flush()
                    time.sleep(4)
        except OSError:
            pass
        self.close_connection = True

    do_GET = do_PUT = do_DELETE = do_PROPFIND = do_REPORT = handle_one


class Other(Main):
    def handle_one(self):
        with open(FOLDER + "/other.log", "a") as log:
            log.write("%s %s %s\n" % (self.command, self.path, self.headers.get("Authorization")))
        self.body()
        if self.command == "PROPFIND":
            body = MS + response(self.path, book_type()) + "</d:multistatus>"
            return self.send(207, body.encode())
        return self.send(401, b"", [("WWW-Authenticate", 'Basic realm="t"')])

    do_GET = do_PUT = do_DELETE = do_PROPFIND = do_REPORT = handle_one


main = ThreadingHTTPServer(("127.0.0.1", 0), Main)
other = ThreadingHTTPServer(("127.0.0.2", 0), Other)
OTHER[0] = "http://127.0.0.2:%d" % other.server_address[1]
open(FOLDER + "/other.log", "w").close()
threading.Thread(target=other.serve_forever, daemon=True).start()
with open(FOLDER + "/ports.tmp", "w") as ports:
    ports.write("%d %d\n" % (main.server_address[1], other.server_address[1]))
import os  # noqa: E402
os.rename(FOLDER + "/ports.tmp", FOLDER + "/ports")
main.serve_forever()
