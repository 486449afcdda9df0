#!/usr/bin/python3
"""A document typed, saved and reopened, as a user does it: the program is
started with the README's run command on the X display, paragraphs are
typed into the new document with xdotool, saved with File Save As, the
document closed and opened again with File Open (both dialogs driven with
the keyboard), saved once more (the first file becomes the backup .ztk),
and the program closed and started again with the file on its command
line. The saved file is read with an independent compound-file reader
(olefile); each reopened window must carry the file's name and show the
page as it was before saving (screenshots compared, the caret aside).

usage: type_save_reopen.py <build-dir>
Screenshots and the program's output stay in <build-dir>/e2e/."""
import os
import shutil
import signal
import struct
import subprocess
import sys
import time
import zlib

import olefile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build"))
OUT = os.path.join(BUILD, "e2e")
DOCS = os.path.join(OUT, "documents")
NAME = "letter.zvw"
UNIX_FILE = os.path.join(DOCS, NAME)
DOS_FILE = "Z:" + UNIX_FILE.replace("/", "\\")
CLSID = "379CA680-093A-11CF-85AA-00608CF6711A"
PARAGRAPHS = [
    "Dear Anna,",
    "thank you for the parcel, it came on Monday.",
    "The garden is green again and the apple tree flowers.",
    "See you soon, Tom",
]
APP_TITLE = "Zentavo Write"
WAIT = 60           # seconds for a window or a file to appear
CARET_WIDTH = 3     # pixels a caret may differ in, per row
CARET_PIXELS = 400  # at most this many pixels differ (a caret in each shot)


class Failure(Exception):
    pass


def xdotool(*args, timeout=WAIT):
    result = subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=timeout)
    return result.stdout.strip()


def settle(seconds=1.0):
    time.sleep(seconds)


def until(what, check, timeout=WAIT):
    end = time.time() + timeout
    while time.time() < end:
        value = check()
        if value:
            return value
        time.sleep(0.25)
    raise Failure("timed out waiting for " + what)


def windows_named(pattern):
    out = xdotool("search", "--onlyvisible", "--name", pattern)
    return [w for w in out.split() if w]


def title(window):
    return xdotool("getwindowname", window)


def main_window():
    def found():
        for w in windows_named("^" + APP_TITLE):
            return w
        return None
    return until("the main window", found)


def dialog(caption):
    return until("the dialog " + caption, lambda: (windows_named("^" + caption + "$") or [None])[0])


def keys(*names):
    for name in names:
        xdotool("key", "--clearmodifiers", name)
        time.sleep(0.3)


def type_text(text):
    xdotool("type", "--delay", "40", text)


def choose_file_in_dialog(caption, path):
    """The file name box has the focus: replace its text and press Enter."""
    box = dialog(caption)
    xdotool("windowfocus", box)
    settle()
    keys("End", "shift+Home", "BackSpace")
    type_text(path)
    keys("Return")
    until("the dialog " + caption + " to close", lambda: not windows_named("^" + caption + "$"))


# ---- Screenshots: xwd's format read by hand, PNG written by hand.

def grab(window, name):
    path = os.path.join(OUT, name + ".xwd")
    subprocess.run(["xwd", "-silent", "-id", window, "-out", path], check=True, timeout=WAIT)
    image = read_xwd(path)
    write_png(os.path.join(OUT, name + ".png"), image)
    os.remove(path)
    return image


def read_xwd(path):
    data = open(path, "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, _, _, depth, width, height = fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]
    byte_order, bits_per_pixel, line_bytes = fields[7], fields[11], fields[12]
    red_mask, green_mask, blue_mask = fields[14], fields[15], fields[16]
    ncolors = fields[19]
    if bits_per_pixel != 32:
        raise Failure("screenshots need a 32-bit display, got %d bits" % bits_per_pixel)
    pixels = data[header_size + ncolors * 12:]
    order = "<" if byte_order == 0 else ">"

    def shift(mask):
        return (mask & -mask).bit_length() - 1

    rs, gs, bs = shift(red_mask), shift(green_mask), shift(blue_mask)
    rows = []
    for y in range(height):
        line = struct.unpack_from(order + "%dI" % width, pixels, y * line_bytes)
        rows.append([((p & red_mask) >> rs, (p & green_mask) >> gs, (p & blue_mask) >> bs) for p in line])
    return rows


def write_png(path, rows):
    height, width = len(rows), len(rows[0])
    raw = b"".join(b"\0" + bytes(c for p in row for c in p) for row in rows)

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")
    open(path, "wb").write(png)


WHITE = (255, 255, 255)


def page_rect(rows):
    """The paper: the longest run of white in any row, extended up and down
    while both of its edge columns (the margins) stay white."""
    best = (0, 0, 0)   # length, x0, y
    for y, row in enumerate(rows):
        x = 0
        while x < len(row):
            if row[x] == WHITE:
                start = x
                while x < len(row) and row[x] == WHITE:
                    x += 1
                if x - start > best[0]:
                    best = (x - start, start, y)
            else:
                x += 1
    length, x0, y0 = best
    if length < 100:
        raise Failure("no page on the screen")
    x1 = x0 + length - 1

    def margin(y):
        return rows[y][x0 + 1] == WHITE and rows[y][x1 - 1] == WHITE

    top = y0
    while top > 0 and margin(top - 1):
        top -= 1
    bottom = y0
    while bottom + 1 < len(rows) and margin(bottom + 1):
        bottom += 1
    return x0, top, x1 + 1, bottom + 1


def same_page(before, after, what):
    rect_before, rect_after = page_rect(before), page_rect(after)
    if rect_before != rect_after:
        raise Failure("%s: the page stands elsewhere: %s before, %s after" % (what, rect_before, rect_after))
    x0, y0, x1, y1 = rect_before
    differing = 0
    for y in range(y0, y1):
        run = 0
        for x in range(x0, x1):
            if before[y][x] != after[y][x]:
                differing += 1
                run += 1
                if run > CARET_WIDTH:
                    raise Failure("%s: the page differs at %d,%d" % (what, x, y))
            else:
                run = 0
    if differing > CARET_PIXELS:
        raise Failure("%s: %d pixels of the page differ" % (what, differing))
    return differing


# ---- The program

class Program:
    def __init__(self, label, *args):
        env = dict(os.environ, ZT_BUILD_DIR=BUILD)
        self.log = open(os.path.join(OUT, label + ".log"), "w")
        self.process = subprocess.Popen([os.path.join(ROOT, "scripts", "run.sh"), *args], env=env,
                                        stdout=self.log, stderr=subprocess.STDOUT, start_new_session=True)

    def ended(self, timeout=WAIT):
        try:
            return self.process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end")

    def stop(self):
        if self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait()
        self.log.close()


def check_saved_file(path):
    if not olefile.isOleFile(path):
        raise Failure(path + " is no compound file")
    with olefile.OleFileIO(path) as ole:
        if ole.root.clsid != CLSID:
            raise Failure("class id %s in %s" % (ole.root.clsid, path))
        contents = ole.openstream("Contents").read()
    if contents[:4] != b"ZV" + struct.pack("<h", 281):
        raise Failure("Contents begins %r" % contents[:4])
    for paragraph in PARAGRAPHS:
        if paragraph.encode("latin-1") not in contents:
            raise Failure("%r is not in %s" % (paragraph, path))


def run():
    shutil.rmtree(OUT, ignore_errors=True)
    os.makedirs(DOCS)
    backup = os.path.splitext(UNIX_FILE)[0] + ".ztk"

    program = Program("first-run")
    try:
        frame = main_window()
        until("a new document", lambda: "Write1" in title(frame))
        settle(2)
        xdotool("windowfocus", frame)
        settle()
        for i, paragraph in enumerate(PARAGRAPHS):
            type_text(paragraph)
            if i + 1 < len(PARAGRAPHS):
                keys("Return")
        settle(2)
        typed = grab(frame, "1-typed")

        keys("alt+f", "a")
        choose_file_in_dialog("Save As", DOS_FILE)
        until("the saved file", lambda: os.path.exists(UNIX_FILE))
        until("the window titled with the file", lambda: NAME in title(frame).lower())

        keys("alt+f", "c")
        until("the document to close", lambda: NAME not in title(frame).lower())

        keys("ctrl+o")
        choose_file_in_dialog("Open", DOS_FILE)
        until("the reopened window titled with the file", lambda: NAME in title(frame).lower())
        settle(2)
        reopened = grab(frame, "2-reopened")
        same_page(typed, reopened, "reopened with File Open")

        keys("ctrl+s")
        until("the first file kept as the backup", lambda: os.path.exists(backup))
        settle()
        keys("alt+f", "x")
        program.ended()
    finally:
        program.stop()
    check_saved_file(UNIX_FILE)
    check_saved_file(backup)

    program = Program("second-run", DOS_FILE)
    try:
        frame = main_window()
        until("the window titled with the file", lambda: NAME in title(frame).lower())
        settle(3)
        restarted = grab(frame, "3-restarted")
        same_page(typed, restarted, "opened from the command line")
        keys("alt+f", "x")
        program.ended()
    finally:
        program.stop()
    check_saved_file(UNIX_FILE)


if __name__ == "__main__":
    if not os.environ.get("DISPLAY"):
        print("no X display")
        sys.exit(1)
    try:
        run()
    except Failure as failure:
        print("FAILED:", failure)
        sys.exit(1)
    print("typed, saved, reopened and compared; screenshots in", OUT)
