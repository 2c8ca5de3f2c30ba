#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# A CalDAV server that misbehaves on purpose, for the client's tests: the calendar /<mode>/cal/
# answers as <mode> says (see misbehave()). Every request goes as a JSON line to the log file named
# on the command line; the port, on 127.0.0.1, is printed once the server listens.
import json
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

LONG = '"' + "x" * 2000 + '"'
# The items listed: name -> getetag (None: listed without one).
ITEMS = {"ctl.ics": '"1&#13;&#10;X-Injected: 1"', "long.ics": LONG, "weak.ics": 'W/"1"', "none.ics": None,
         "good.ics": '"g1"'}
# What a PUT of these answers in its ETag header; '"g1"' for the others.
PUT_ETAGS = {"ctl.ics": '"1\x01"', "long.ics": LONG, "weak.ics": 'W/"2"'}
# Listed beside them: none is in the collection.
OUTSIDE = ["/../../etc/passwd", "/other-user/cal/z.ics", "http://evil.example/{cal}x.ics", "//evil.example/{cal}y.ics",
           "{cal}%2e%2e/other/x.ics", "{cal}sub/deep.ics"]
lock = threading.Lock()


def multistatus(cal, report, items=None):
    items = ITEMS if items is None else items
    entries = [(cal + name, etag) for name, etag in items.items()] + \
        [(h.format(cal=cal), '"1"') for h in (OUTSIDE if items else [])]
    body = "" if report else f"<d:response><d:href>{cal}</d:href><d:propstat><d:prop><d:resourcetype><d:collection/>" \
        "<c:calendar/></d:resourcetype></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>"
    for href, etag in entries:
        prop = f"<d:getetag>{etag}</d:getetag>" if etag else ""
        prop += "<c:calendar-data>BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n</c:calendar-data>" if report \
            else "<d:getcontenttype>text/calendar</d:getcontenttype>"
        body += f"<d:response><d:href>{href}</d:href><d:propstat><d:prop>{prop}</d:prop>" \
            "<d:status>HTTP/1.1 200 OK</d:status></d:propstat></d:response>"
    return f'<d:multistatus xmlns:d="DAV:" xmlns:c="urn:ietf:params:xml:ns:caldav">{body}</d:multistatus>'.encode()


class Handler(BaseHTTPRequestHandler):
    def answer(self, status, body=b"", **headers):
        self.send_response(status)
        for name, value in headers.items():
            self.send_header(name.replace("_", "-"), value)
        if body is not None:
            self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body or b"")

    def misbehave(self, mode):
        cal = f"/{mode}/cal/"
        if mode == "endless":  # a multistatus that never ends
            self.answer(207, None, Content_Type="application/xml")
            chunk = b"<d:response><d:href>/x</d:href></d:response>" * 20000
            self.wfile.write(b'<d:multistatus xmlns:d="DAV:">')
            while True:
                self.wfile.write(chunk)
        elif mode == "huge":  # says it will send a terabyte
            self.send_response(207)
            self.send_header("Content-Length", str(1 << 40))
            self.end_headers()
            self.wfile.write(b'<d:multistatus xmlns:d="DAV:">')
            time.sleep(30)
        elif mode == "redirect":
            self.answer(301, Location="http://elsewhere.invalid/cal/")
        elif mode in ("html", "garbage"):  # a web page, as a success or as a multistatus
            self.answer(200 if mode == "html" else 207, b"<html><body>Welcome", Content_Type="text/html")
        elif mode == "partial" and self.command == "PROPFIND":  # an empty calendar that takes one upload
            self.answer(207, multistatus(cal, False, {}), Content_Type="application/xml")
        elif mode == "partial" and self.command == "PUT":
            with lock:
                self.server.puts = getattr(self.server, "puts", 0) + 1
            self.answer(201 if self.server.puts == 1 else 500, ETag='"p1"')
        elif mode == "listing" and self.command in ("PROPFIND", "REPORT") and self.path == cal:
            self.answer(207, multistatus(cal, self.command == "REPORT"), Content_Type="application/xml")
        elif mode == "listing" and self.command == "PUT":
            self.answer(201, ETag=PUT_ETAGS.get(self.path.rsplit("/", 1)[-1], '"g1"'))
        elif mode == "listing" and self.command == "DELETE":
            self.answer(204)
        else:
            self.answer(404)

    def handle_request(self):
        body = self.rfile.read(int(self.headers.get("Content-Length", 0)))
        with lock, open(sys.argv[1], "a") as log:
            headers = {name.lower(): value for name, value in self.headers.items()}
            log.write(json.dumps({"method": self.command, "path": self.path, "headers": headers,
                                  "body": body.decode(errors="replace")}) + "\n")
        try:
            self.misbehave(self.path.split("/")[1])
        except (BrokenPipeError, ConnectionResetError):
            pass

    do_PROPFIND = do_REPORT = do_PUT = do_DELETE = do_GET = do_MKCALENDAR = handle_request

    def log_message(self, *args):
        pass


server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
server.serve_forever()
