#!/usr/bin/env python3
"""Measures how long Gridlex takes to show its first window: the time from starting the process to
the moment its main window is mapped on the X display and holds a drawn picture (not one colour).

    tools/measure_startup.py GRIDLEX [--starts 30] [--program-dir DIR] [--display :N] [--cold-cache]

Each start runs in a fresh copy of the delivered folder dist/ (or of --program-dir), so every start
loads the same puzzle and nothing a start writes reaches the next. Without --display the script runs
its own Xvfb with no sound device behind it. With --cold-cache every start also gets an empty home
folder, so caches kept there (the media back end's plugin registry among them) must be built anew,
as on a first start. Prints every start's time, then the median and the worst. Needs only the
standard library, libX11 and Xvfb.
"""

import argparse
import ctypes
import ctypes.util
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
DIST = os.path.join(HERE, "..", "dist")

MAP_NOTIFY = 19
SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
Z_PIXMAP = 2
ALL_PLANES = ctypes.c_ulong(0xFFFFFFFF)


class XImage(ctypes.Structure):
    # Only the leading fields are read; the rest of the structure is Xlib's.
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int),
                ("bitmap_pad", ctypes.c_int), ("depth", ctypes.c_int),
                ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


class XMapEvent(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("event", ctypes.c_ulong), ("window", ctypes.c_ulong),
                ("override_redirect", ctypes.c_int)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xmap", XMapEvent), ("pad", ctypes.c_long * 24)]


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong), ("class", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", ctypes.c_ulong),
                ("backing_pixel", ctypes.c_ulong), ("save_under", ctypes.c_int),
                ("colormap", ctypes.c_ulong), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", ctypes.c_void_p)]


def load_xlib():
    xlib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    xlib.XPending.argtypes = [ctypes.c_void_p]
    xlib.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
    xlib.XGetImage.restype = ctypes.POINTER(XImage)
    xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                               ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    xlib.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
    xlib.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                          ctypes.POINTER(XWindowAttributes)]
    xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    return xlib


# A window that goes away between the map and the picture read must not end the script.
ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)(lambda d, e: 0)


class Display:
    def __init__(self, name):
        self.xlib = load_xlib()
        self.xlib.XSetErrorHandler(ERROR_HANDLER)
        self.handle = self.xlib.XOpenDisplay(name.encode())
        if not self.handle:
            raise SystemExit(f"cannot open display {name}")
        self.root = self.xlib.XDefaultRootWindow(self.handle)
        self.xlib.XSelectInput(self.handle, self.root, SUBSTRUCTURE_NOTIFY_MASK)
        self.xlib.XSync(self.handle, 0)

    def drain(self):
        """Every top-level window mapped since the last call (not override-redirect popups)."""
        mapped = []
        event = XEvent()
        while self.xlib.XPending(self.handle):
            self.xlib.XNextEvent(self.handle, ctypes.byref(event))
            if event.type == MAP_NOTIFY and not event.xmap.override_redirect:
                mapped.append(event.xmap.window)
        return mapped

    def drawn(self, window):
        """True when the window's picture holds more than one colour."""
        attributes = XWindowAttributes()
        if not self.xlib.XGetWindowAttributes(self.handle, window, ctypes.byref(attributes)):
            return False
        image = self.xlib.XGetImage(self.handle, window, 0, 0, attributes.width,
                                    attributes.height, ALL_PLANES, Z_PIXMAP)
        if not image:
            return False
        try:
            pixels = image.contents
            step = pixels.bits_per_pixel // 8
            data = ctypes.string_at(pixels.data, pixels.bytes_per_line * pixels.height)
            first = data[:step]
            for row in range(0, pixels.height, 4):
                line = data[row * pixels.bytes_per_line:row * pixels.bytes_per_line + pixels.width * step]
                if line != first * pixels.width:
                    return True
            return False
        finally:
            self.xlib.XDestroyImage(image)


def fresh_program_dir(source):
    target = tempfile.mkdtemp(prefix="gridlex-start-")
    shutil.copytree(source, target, dirs_exist_ok=True)
    return target


def one_start(display, program, source, limit, cold_cache):
    """Seconds from the start of the process to the map and to the first picture of its first window
    (None for what did not happen within the limit)."""
    folder = fresh_program_dir(source)
    environment = dict(os.environ, DISPLAY=display.name)
    home = None
    if cold_cache:
        home = tempfile.mkdtemp(prefix="gridlex-home-")
        environment["HOME"] = home
        environment.pop("XDG_CACHE_HOME", None)
    display.drain()
    started = time.monotonic()
    process = subprocess.Popen([program], cwd=folder, env=environment,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = None
    mapped_at = None
    try:
        while time.monotonic() - started < limit:
            if process.poll() is not None:
                raise SystemExit(f"the program ended with code {process.returncode} before showing a window")
            mapped = display.drain()
            if window is None and mapped:
                window = mapped[0]
                mapped_at = time.monotonic() - started
            if window is not None and display.drawn(window):
                return mapped_at, time.monotonic() - started
            time.sleep(0.002)
        return mapped_at, None
    finally:
        process.kill()
        process.wait()
        shutil.rmtree(folder, ignore_errors=True)
        if home:
            shutil.rmtree(home, ignore_errors=True)


def start_xvfb():
    for number in range(90, 140):
        if os.path.exists(f"/tmp/.X11-unix/X{number}") or os.path.exists(f"/tmp/.X{number}-lock"):
            continue
        name = f":{number}"
        server = subprocess.Popen(["Xvfb", name, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                return name, server
            if server.poll() is not None:
                break
            time.sleep(0.05)
        server.kill()
    raise SystemExit("could not start Xvfb")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("program", help="the built gridlex program")
    parser.add_argument("--starts", type=int, default=30)
    parser.add_argument("--program-dir", default=DIST, help="the folder each start gets a copy of")
    parser.add_argument("--display", help="an X display to use instead of a private Xvfb")
    parser.add_argument("--limit", type=float, default=60.0, help="seconds before a start counts as hung")
    parser.add_argument("--cold-cache", action="store_true", help="an empty home folder for every start")
    args = parser.parse_args()

    program = os.path.abspath(args.program)
    server = None
    name = args.display
    if not name:
        name, server = start_xvfb()
    try:
        display = Display(name)
        display.name = name
        times = []
        for start in range(1, args.starts + 1):
            mapped, seconds = one_start(display, program, args.program_dir, args.limit, args.cold_cache)
            shown = "no picture" if seconds is None else f"{seconds * 1000:.0f} ms"
            mapped = "never" if mapped is None else f"{mapped * 1000:.0f} ms"
            print(f"start {start:2}: shown {shown} (mapped {mapped})", flush=True)
            times.append(args.limit if seconds is None else seconds)
        print(f"median {statistics.median(times) * 1000:.0f} ms, worst {max(times) * 1000:.0f} ms "
              f"over {len(times)} starts")
    finally:
        if server:
            server.kill()
            server.wait()


if __name__ == "__main__":
    sys.exit(main())
