# SPDX-License-Identifier: MIT
# The Qt program as tests/drive's host for the target qt: each start is a
# fresh `lexidor` process on the X display, as a user starts it; each
# command is real X input, sent through the XTEST extension as xdotool sends
# it (keys, buttons, the wheel, the scroll bar's arrows), and the state is
# read over the desktop accessibility bus (AT-SPI), as a screen reader reads
# it: the box's text, the list's selected and first visible rows, the
# definition label, the focused control, and the texts the window announces
# (its notification object appearing). Nothing in the program is there for
# the test.
#
# Run inside a desktop session: tests/support/private-session.sh --display
# --a11y gives the display, the session bus and the accessibility bus.
# There is no window manager there, so the host does a window manager's few
# jobs itself: giving the window the input focus, taking it away
# (`activate`, `release Alt`) and asking the window to close (the close
# control, `restart`).
#
# After each command the host waits until the program has handled all of
# it, without guessing a time: it sends the window a _NET_WM_PING behind the
# input. The X server queues the input's events to the program before the
# ping, and Qt answers the ping from the same pass over its events in which
# it hands the input to the widgets; the accessibility bus is read after
# the answer, and the program answers that only once the pass is over.
#
# Keys meant for a control that does not have the focus (`type` while the
# list has it, say) reach it as they would from the page's host or the Windows
# one: the host moves the keyboard focus there through the
# accessibility bus (a focus request, no key or click the window would
# hear), sends the keys and moves the focus back.
import ctypes
import os
import select
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

import drawn

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import form_texts  # noqa: E402

ROWS = 61
# X keysyms of the keys the scenario commands name.
KEYSYMS = {"Enter": 0xFF0D, "KeypadEnter": 0xFF8D, "Backspace": 0xFF08, "Shift": 0xFFE1, "Left": 0xFF51,
           "Right": 0xFF53, "Up": 0xFF52, "Down": 0xFF54, "Home": 0xFF50, "End": 0xFF57, "Delete": 0xFFFF,
           "CapsLock": 0xFFE5, "Tab": 0xFF09, "PageUp": 0xFF55, "PageDown": 0xFF56, "Space": 0x20,
           "Alt": 0xFFE9, "Control": 0xFFE3}
# Qt's double-click time, with a margin: a single click that would come
# sooner than this after a press nearby waits it out, or Qt would make a
# double-click of the two.
DOUBLE_CLICK_SECONDS = 0.5
DOUBLE_CLICK_PIXELS = 6
WAIT = 15  # seconds for anything the program is asked to do


class HostError(Exception):
    pass


class XClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("l", ctypes.c_long * 5)]


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p), ("byte_order", ctypes.c_int),
                ("bitmap_unit", ctypes.c_int), ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int), ("bits_per_pixel", ctypes.c_int)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xclient", XClientMessage), ("pad", ctypes.c_long * 24)]


CLIENT_MESSAGE = 33


class Display:
    """One connection to the X display: input through XTEST, the focus, and
    the client messages a window manager sends."""

    def __init__(self):
        x = self.x = ctypes.CDLL("libX11.so.6")
        self.xtest = ctypes.CDLL("libXtst.so.6")
        vp, ul = ctypes.c_void_p, ctypes.c_ulong
        x.XOpenDisplay.restype, x.XOpenDisplay.argtypes = vp, [ctypes.c_char_p]
        x.XDefaultRootWindow.restype, x.XDefaultRootWindow.argtypes = ul, [vp]
        x.XInternAtom.restype, x.XInternAtom.argtypes = ul, [vp, ctypes.c_char_p, ctypes.c_int]
        x.XSendEvent.argtypes = [vp, ul, ctypes.c_int, ctypes.c_long, ctypes.POINTER(XEvent)]
        x.XSelectInput.argtypes = [vp, ul, ctypes.c_long]
        x.XNextEvent.argtypes = [vp, ctypes.POINTER(XEvent)]
        x.XPending.argtypes = x.XFlush.argtypes = x.XConnectionNumber.argtypes = [vp]
        x.XSync.argtypes = [vp, ctypes.c_int]
        x.XKeysymToKeycode.restype, x.XKeysymToKeycode.argtypes = ctypes.c_ubyte, [vp, ul]
        x.XDisplayKeycodes.argtypes = [vp, ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_int)]
        x.XGetKeyboardMapping.restype = ctypes.POINTER(ul)
        x.XGetKeyboardMapping.argtypes = [vp, ctypes.c_ubyte, ctypes.c_int, ctypes.POINTER(ctypes.c_int)]
        x.XChangeKeyboardMapping.argtypes = [vp, ctypes.c_int, ctypes.c_int, ctypes.POINTER(ul), ctypes.c_int]
        x.XFree.argtypes = [vp]
        x.XSetInputFocus.argtypes = [vp, ul, ctypes.c_int, ul]
        x.XCloseDisplay.argtypes = [vp]
        x.XGetImage.restype = ctypes.POINTER(XImage)
        x.XGetImage.argtypes = [vp, ul, ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint, ul, ctypes.c_int]
        x.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
        self.xtest.XTestFakeKeyEvent.argtypes = [vp, ctypes.c_uint, ctypes.c_int, ul]
        self.xtest.XTestFakeButtonEvent.argtypes = [vp, ctypes.c_uint, ctypes.c_int, ul]
        self.xtest.XTestFakeMotionEvent.argtypes = [vp, ctypes.c_int, ctypes.c_int, ctypes.c_int, ul]
        x.XQueryPointer.argtypes = [vp, ul] + [ctypes.c_void_p] * 7
        # An error (a window gone with its program) is no reason to end
        # the run, as Xlib's own handler would.
        handler = ctypes.CFUNCTYPE(ctypes.c_int, vp, vp)
        self.on_error = handler(lambda display, error: 0)
        x.XSetErrorHandler.argtypes = [handler]
        x.XSetErrorHandler(self.on_error)
        self.d = x.XOpenDisplay(None)
        if not self.d:
            raise HostError("no X display: run inside tests/support/private-session.sh --display --a11y")
        self.root = x.XDefaultRootWindow(self.d)
        # The answers to our pings come to the root window.
        x.XSelectInput(self.d, self.root, (1 << 17) | (1 << 19))  # StructureNotify, SubstructureNotify
        self.protocols = x.XInternAtom(self.d, b"WM_PROTOCOLS", 0)
        self.ping_atom = x.XInternAtom(self.d, b"_NET_WM_PING", 0)
        self.delete_atom = x.XInternAtom(self.d, b"WM_DELETE_WINDOW", 0)
        self.pings = 0
        self.spare = self.spare_keycodes()
        self.bound = {}
        self.last_press = None

    def spare_keycodes(self):
        """Keycodes with no symbol, for characters the keyboard has no key
        for (as xdotool does), or only a shifted one."""
        low, high = ctypes.c_int(), ctypes.c_int()
        self.x.XDisplayKeycodes(self.d, ctypes.byref(low), ctypes.byref(high))
        per = ctypes.c_int()
        count = high.value - low.value + 1
        table = self.x.XGetKeyboardMapping(self.d, low.value, count, ctypes.byref(per))
        spare = [low.value + i for i in range(count)
                 if all(table[i * per.value + j] == 0 for j in range(per.value))]
        self.x.XFree(table)
        return spare[::-1]

    def locked(self):
        """Whether Caps Lock is on."""
        window, number, mask = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_uint()
        self.x.XQueryPointer(self.d, self.root, ctypes.byref(window), ctypes.byref(window), ctypes.byref(number),
                             ctypes.byref(number), ctypes.byref(number), ctypes.byref(number), ctypes.byref(mask))
        return bool(mask.value & 2)  # LockMask

    def flush(self):
        self.x.XFlush(self.d)

    def key(self, keycode, down):
        self.xtest.XTestFakeKeyEvent(self.d, keycode, 1 if down else 0, 0)

    def keycode(self, keysym):
        code = self.x.XKeysymToKeycode(self.d, keysym)
        if not code:
            raise HostError("no key for keysym 0x%X" % keysym)
        return code

    def tap(self, name, *held):
        for h in held:
            self.key(self.keycode(KEYSYMS[h]), True)
        code = self.keycode(KEYSYMS[name])
        self.key(code, True)
        self.key(code, False)
        for h in reversed(held):
            self.key(self.keycode(KEYSYMS[h]), False)
        self.flush()

    def character_keycode(self, ch):
        """A key that types `ch` with no modifier held: its own key when it
        is on the first level, else a spare key bound to it on every level
        (kept bound: rebinding behind a key still in the program's queue
        would change what the key types)."""
        o = ord(ch)
        keysym = o if (0x20 <= o <= 0x7E or 0xA0 <= o <= 0xFF) else 0x1000000 + o
        if keysym in self.bound:
            return self.bound[keysym]
        code = self.x.XKeysymToKeycode(self.d, keysym)
        if code:
            per = ctypes.c_int()
            first = self.x.XGetKeyboardMapping(self.d, code, 1, ctypes.byref(per))
            plain = first[0] == keysym
            self.x.XFree(first)
            if plain:
                self.bound[keysym] = code
                return code
        if not self.spare:
            raise HostError("no spare key left for %r" % ch)
        code = self.spare.pop()
        symbols = (ctypes.c_ulong * 2)(keysym, keysym)
        self.x.XChangeKeyboardMapping(self.d, code, 2, symbols, 1)
        self.x.XSync(self.d, 0)
        self.bound[keysym] = code
        return code

    def type_character(self, ch):
        code = self.character_keycode(ch)
        self.key(code, True)
        self.key(code, False)
        self.flush()

    def move(self, x, y):
        self.xtest.XTestFakeMotionEvent(self.d, -1, x, y, 0)

    def button(self, number, down):
        self.xtest.XTestFakeButtonEvent(self.d, number, 1 if down else 0, 0)

    def click(self, x, y, number=1, count=1):
        """`count` clicks in a row at (x, y): 2 is a double-click. A single
        click waits out the double-click time after a press nearby."""
        if count == 1 and self.last_press is not None:
            when, px, py, pn = self.last_press
            if pn == number and abs(px - x) < DOUBLE_CLICK_PIXELS and abs(py - y) < DOUBLE_CLICK_PIXELS:
                time.sleep(max(0.0, when + DOUBLE_CLICK_SECONDS - time.monotonic()))
        self.move(x, y)
        for _ in range(count):
            self.button(number, True)
            self.button(number, False)
        self.flush()
        self.last_press = (time.monotonic(), x, y, number)

    def drag(self, x, y, to_x, to_y):
        self.move(x, y)
        self.button(1, True)
        self.move(to_x, to_y)
        self.button(1, False)
        self.flush()
        self.last_press = (time.monotonic(), x, y, 1)

    def picture(self, x, y, w, h):
        """The screen's pixels in a rectangle: rows of 0xRRGGBB."""
        image = self.x.XGetImage(self.d, self.root, x, y, w, h, 0xFFFFFFFF, 2)  # ZPixmap
        if not image:
            return []
        i = image.contents
        if i.bits_per_pixel != 32:
            self.x.XDestroyImage(image)
            raise HostError("a display of %d bits a pixel" % i.bits_per_pixel)
        data = ctypes.string_at(i.data, i.bytes_per_line * h)
        rows = [[c & 0xFFFFFF for c in memoryview(data[r * i.bytes_per_line:r * i.bytes_per_line + 4 * w]).cast("I")]
                for r in range(h)]
        self.x.XDestroyImage(image)
        return rows

    def wheel(self, x, y, notches):
        """Wheel notches over (x, y): down when positive."""
        self.move(x, y)
        for _ in range(abs(notches)):
            self.button(5 if notches > 0 else 4, True)
            self.button(5 if notches > 0 else 4, False)
        self.flush()

    def focus(self, window):
        """The input focus to `window` (0: to no window, as when another
        application has it)."""
        self.x.XSetInputFocus(self.d, window, 2 if window else 0, 0)  # RevertToParent / RevertToNone
        self.x.XSync(self.d, 0)

    def client_message(self, window, what):
        e = XEvent()
        e.xclient.type = CLIENT_MESSAGE
        e.xclient.window = window
        e.xclient.message_type = self.protocols
        e.xclient.format = 32
        e.xclient.l[0] = what
        e.xclient.l[2] = window
        return e

    def close_window(self, window):
        """What a window manager sends when the user clicks the close button."""
        e = self.client_message(window, self.delete_atom)
        self.x.XSendEvent(self.d, window, 0, 0, ctypes.byref(e))
        self.flush()

    def ping(self, window, alive):
        """Sends `window` a ping behind the input sent so far; True once it
        answers, False when alive() turns false first."""
        self.pings += 1
        e = self.client_message(window, self.ping_atom)
        e.xclient.l[1] = self.pings
        self.x.XSendEvent(self.d, window, 0, 0, ctypes.byref(e))
        self.flush()
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline:
            while self.x.XPending(self.d):
                got = XEvent()
                self.x.XNextEvent(self.d, ctypes.byref(got))
                if got.type == CLIENT_MESSAGE and got.xclient.l[0] == self.ping_atom and \
                        got.xclient.l[1] == self.pings:
                    return True
            if not alive():
                return False
            select.select([self.x.XConnectionNumber(self.d)], [], [], 0.05)
        raise HostError("the program did not answer a ping in %d s" % WAIT)

    def close(self):
        self.x.XCloseDisplay(self.d)


def pump(seconds=0.0, until=lambda: False):
    """Runs the accessibility bus's news (events, new applications) until
    until() or `seconds` have passed; returns until()."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if until() or time.monotonic() >= deadline:
            return until()
        time.sleep(0.02)


def extents(node):
    return node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def centre(node):
    x, y, w, h = extents(node)
    return x + w // 2, y + h // 2


def walk(node, depth=0):
    yield node
    if depth < 6 and node.getRole() != pyatspi.ROLE_LIST:
        for child in node:
            if child is not None:
                yield from walk(child, depth + 1)


class QtProgram:
    """One running program: its process, its X window and its controls as
    the accessibility bus shows them."""

    def __init__(self, host, path):
        self.host = host
        self.x = host.display
        self.ended = False
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        self.process = subprocess.Popen([path], env=env, stdin=subprocess.DEVNULL)
        self.app = self.find_app()
        nodes = list(walk(self.app))

        def one(test, what):
            found = [n for n in nodes if test(n)]
            if len(found) != 1:
                raise HostError("%d %s on the accessibility bus, not one" % (len(found), what))
            return found[0]

        role = pyatspi.ROLE_TEXT, pyatspi.ROLE_LIST, pyatspi.ROLE_PUSH_BUTTON
        self.frame = one(lambda n: n.getRole() == pyatspi.ROLE_FRAME and n.name == host.caption, "main windows")
        self.box = one(lambda n: n.getRole() == role[0], "text boxes")
        self.list = one(lambda n: n.getRole() == role[1], "lists")
        self.button = one(lambda n: n.getRole() == role[2], "buttons")
        self.definition = one(lambda n: n.getRole() == pyatspi.ROLE_LABEL and n.description, "described labels")
        self.cerrar = one(lambda n: n.getRole() == pyatspi.ROLE_MENU_ITEM, "menu items")
        if self.list.childCount != ROWS:
            raise HostError("the list has %d rows" % self.list.childCount)
        # The focusable controls under their object names (the state's
        # names for the focus); the window has one control of each role.
        self.controls = {"txtBuscar": self.box, "lstLista": self.list, "cmdBuscar": self.button}
        self.window = self.find_window()
        # No window manager gives the new window the focus: as one would.
        self.x.focus(self.window)
        if not self.wait(lambda: self.focus() == "txtBuscar" and self.active()):
            raise HostError("the window did not take the focus")
        self.said = []
        self.drawn = (None, False)  # the last caption judged, and whether it was cut
        self.settle()
        self.said = []

    def find_app(self):
        pid = self.process.pid
        found = []

        def look():
            found[:] = [a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == pid]
            return bool(found) or self.process.poll() is not None

        pump(WAIT, look)
        if not found:
            raise HostError("the program is not on the accessibility bus (status %s)" % self.process.poll())
        app = found[0]
        # Read everything afresh from the program: what a cache holds
        # follows events that may not have arrived.
        app.set_cache_mask(0)
        return app

    def find_window(self):
        out = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(self.process.pid),
                              "--name", self.host.caption], capture_output=True, text=True, timeout=WAIT).stdout.split()
        if not out:
            raise HostError("no X window of the program")
        return int(out[0])

    def wait(self, condition, seconds=WAIT):
        return pump(seconds, lambda: self.process.poll() is not None or condition()) and \
            self.process.poll() is None

    def alive(self):
        return self.process.poll() is None

    def active(self):
        return self.frame.getState().contains(pyatspi.STATE_ACTIVE)

    def settle(self):
        """Until the program has handled every event sent so far; then the
        bus's news of it is taken in."""
        if self.alive() and self.x.ping(self.window, self.alive):
            try:
                # Qt hands each key to the accessibility registry before
                # its widget (for screen readers that take keys), and the
                # widget gets it once the registry answers. The program's
                # answer here leaves after its question to the registry,
                # the registry's answer to us after its answer to the
                # program, and the program reads the registry's answer
                # before our next question.
                self.box.queryText().characterCount
                self.host.desktop.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                self.box.queryText().characterCount
            except Exception:  # the program ending meanwhile
                pass
            pump()
        self.ended = not self.alive()
        self.ended_well()

    def focus(self):
        focused = [name for name, node in self.controls.items() if node.getState().contains(pyatspi.STATE_FOCUSED)]
        return focused[0] if len(focused) == 1 else ""

    def top(self):
        """The first row the list shows: the row at the top of its inside."""
        x, y, w, h = extents(self.list)
        row = self.list.queryComponent().getAccessibleAtPoint(x + w // 4, y + 2, pyatspi.DESKTOP_COORDS)
        return row.getIndexInParent() if row is not None else -1

    def current(self, focus, row):
        """The row the list names to a screen reader while it has the
        focus: its child in the focused state."""
        if focus != "lstLista":
            return -1
        rows = ([row] if row >= 0 else []) + list(range(ROWS))
        return next((r for r in rows if self.list.getChildAtIndex(r).getState().contains(pyatspi.STATE_FOCUSED)), -1)

    def cut(self, caption):
        """Whether the definition is not drawn whole, from the screen (a
        repaint may still be on its way: a cut one stays cut)."""
        if self.drawn[0] != caption:
            self.drawn = (caption, self.judged(caption))
        return self.drawn[1]

    def judged(self, caption):
        x, y, w, h = extents(self.definition)
        for _ in range(10):
            if not drawn.cut(self.x.picture(x, y, w, h), caption):
                return False
            time.sleep(0.05)
            pump()
        return True

    def state(self):
        if self.ended:
            return None
        text = self.box.queryText()
        selected = self.list.queryTable().getSelectedRows()
        state = {"text": text.getText(0, text.characterCount), "row": selected[0] if len(selected) == 1 else -1,
                 "top": self.top(), "caption": self.definition.name, "focus": self.focus()}
        state["current"] = self.current(state["focus"], state["row"])
        state["cut"] = self.cut(state["caption"])
        pump()
        state["said"] = self.said[-1] if self.said else ""
        self.said = []
        return state

    # Keys for one control, whatever has the focus (see the top of the file).
    def keys_to(self, name, send):
        before = self.focus()
        if before != name:
            self.move_focus(name)
        send()
        self.settle()
        if before != name and before and not self.ended:
            self.move_focus(before)

    def move_focus(self, name):
        # Qt's list takes no focus request from the bus: Tab from the box
        # (Shift+Tab from Buscar) goes there, its releases reaching the
        # list, whose key release handles only Enter.
        if name == "lstLista" and self.focus() in ("txtBuscar", "cmdBuscar"):
            self.x.tap("Tab", *(("Shift",) if self.focus() == "cmdBuscar" else ()))
        else:
            self.controls[name].queryComponent().grabFocus()
        if not self.wait(lambda: self.focus() == name):
            raise HostError("the focus did not go to %s" % name)

    def type_text(self, text):
        def send():
            for ch in text:
                self.x.type_character(ch)
        self.keys_to("txtBuscar", send)

    def row_centre(self, row):
        """Brings the row into sight as a user does (the wheel, three rows a
        notch, then the scroll bar's arrows, a row a click) and gives its
        centre."""
        lx, ly, lw, lh = extents(self.list)
        for _ in range(ROWS):
            node = self.list.getChildAtIndex(row)
            x, y, w, h = extents(node)
            shown = h and ly < y and y + h <= ly + lh
            if shown:
                return x + w // 2, y + h // 2
            top = self.top()
            last = top + (lh - 2) // h - 1
            rows = row - last if row > last else row - top
            if abs(rows) >= 3:
                self.x.wheel(x + w // 2, ly + lh // 2, rows // 3 if rows > 0 else -((-rows) // 3))
            else:
                # The arrows at the ends of the scroll bar, right of the rows.
                bar = (x + w + lx + lw) // 2
                arrow = ly + lh - 1 - (lx + lw - x - w) // 2 if rows > 0 else ly + (lx + lw - x - w) // 2
                for _ in range(abs(rows)):
                    self.x.click(bar, arrow, count=1)
            self.settle()
        raise HostError("row %d did not come into sight" % row)

    def act(self, command):
        name = command[0]
        x = self.x
        if name == "key":
            key = command[1]
            self.keys_to("txtBuscar", lambda: x.tap(key))
            return
        if name == "listkey":
            key = command[1]
            if len(key) == 1:
                self.keys_to("lstLista", lambda: x.type_character(key.lower()))
            else:
                self.keys_to("lstLista", lambda: x.tap(key))
            return
        if name == "release Alt":
            # Alt pressed while another application has the focus, the
            # focus back (Alt+Tab), then Alt released here.
            alt = x.keycode(KEYSYMS["Alt"])
            x.focus(0)
            x.key(alt, True)
            x.flush()
            x.focus(self.window)
            x.key(alt, False)
            x.flush()
        elif name in ("click box", "rightclick box", "middleclick box", "dblclick box", "drag box"):
            bx, by, bw, bh = extents(self.box)
            at = (bx + bw - 5, by + bh // 2)
            if name == "click box":
                x.click(*at)
            elif name == "rightclick box":
                x.click(*at, number=3)
                self.settle()
                self.close_popup()
            elif name == "middleclick box":
                x.click(*at, number=2)
            elif name == "dblclick box":
                x.click(*at, count=2)
            else:
                x.drag(*at, bx + bw + 20, at[1])
        elif name == "enter on Buscar":
            # As Tab moves it: Shift+Tab from the box, Tab from the list.
            for _ in range(3):
                where = self.focus()
                if where == "cmdBuscar":
                    break
                x.tap("Tab", "Shift") if where == "txtBuscar" else x.tap("Tab")
                self.settle()
            x.tap("Enter")
        elif name == "click buscar":
            x.click(*centre(self.button))
        elif name in ("wheel down", "wheel up"):
            x.wheel(*centre(self.list), 1 if name == "wheel down" else -1)
        elif name in ("select", "rightclick", "dblclick"):
            at = self.row_centre(command[1])
            if name == "dblclick":
                x.click(*at, count=2)
            else:
                x.click(*at, number=3 if name == "rightclick" else 1)
        elif name == "dblclick below":
            # A point of the list that is no row: below the last one, or
            # the list's frame where the rows fill it exactly.
            rx, ry = self.row_centre(ROWS - 1)
            _, y, _, h = extents(self.list.getChildAtIndex(ROWS - 1))
            x.click(rx, y + h, count=2)
        elif name == "tab":
            x.tap("Tab")
        elif name == "shift+tab":
            x.tap("Tab", "Shift")
        elif name == "ctrl+tab":
            x.tap("Tab", "Control")
        elif name == "activate":
            x.focus(0)
            if not self.wait(lambda: not self.active()):
                raise HostError("the window stayed active")
            x.focus(self.window)
            if not self.wait(self.active):
                raise HostError("the window did not become active again")
        elif name == "alt+c":
            self.alt_c()
        elif name == "click cerrar":
            x.click(*centre(self.cerrar))
        elif name == "close":
            x.close_window(self.window)
        else:
            raise HostError("no such command: %s" % name)
        self.settle()
        if name in ("alt+c", "click cerrar", "close"):
            self.wait_end()

    def alt_c(self):
        alt, c = self.x.keycode(KEYSYMS["Alt"]), self.x.character_keycode("c")
        for code, down in ((alt, True), (c, True), (c, False), (alt, False)):
            self.x.key(code, down)
        self.x.flush()

    def windows(self):
        """The program's X windows on screen: the main window, and a menu
        when one is open."""
        return subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid)],
                              capture_output=True, text=True, timeout=WAIT).stdout.split()

    def close_popup(self):
        """The context menu the right button opens in the box, closed by a
        click outside the window, as a user closes it (Escape would send
        its release to the box, a key step)."""
        if len(self.windows()) > 1:
            self.x.click(1, 1)
            self.settle()
            if not self.wait(lambda: len(self.windows()) == 1):
                raise HostError("the context menu did not close")

    def wait_end(self):
        try:
            self.process.wait(WAIT)
        except subprocess.TimeoutExpired:
            pass
        self.ended = not self.alive()
        self.ended_well()

    def ended_well(self):
        """A program that ends does so with status 0, never by a crash."""
        status = self.process.poll()
        if status not in (None, 0):
            raise HostError("the program ended with status %d" % status)

    def stop(self):
        """Closed as a user closes it (the close control); killed only if it
        does not end."""
        if self.alive():
            self.x.close_window(self.window)
            try:
                self.process.wait(WAIT)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
                raise HostError("the program did not end when its window was closed")
        self.ended = True
        self.ended_well()


class Host:
    """tests/drive's host: one X connection and one accessibility listener
    for the run, a fresh process for each start."""
    # The type-ahead state lives inside the program, out of sight.
    unread = ("intIndice", "intLongitud")

    def __init__(self, target, program):
        self.path = os.path.abspath(program)
        if not os.access(self.path, os.X_OK):
            raise HostError("no program at %s" % program)
        self.caption = form_texts.load(near=self.path)["caption"]
        self.display = Display()
        self.program = None
        self.desktop = pyatspi.Registry.getDesktop(0)
        # What the window announces: its notification object appearing
        # with the text as its name.
        pyatspi.Registry.registerEventListener(self.heard, "object:state-changed:showing")

    def heard(self, event):
        if self.program is not None and event.detail1 == 1 and event.source is not None:
            try:
                if event.source.getRole() == pyatspi.ROLE_NOTIFICATION and \
                        event.source.get_process_id() == self.program.process.pid:
                    self.program.said.append(event.source.name)
            except Exception:  # an object gone with its program
                pass

    def start(self):
        self.stop()
        self.caps_lock_off()
        self.program = QtProgram(self, self.path)
        return self.program

    def caps_lock_off(self):
        # Caps Lock is the display's, not a program's: a fresh program
        # starts with it off, as the other runners' windows do. No window
        # has the focus now, so no program hears the key.
        if self.display.locked():
            self.display.focus(0)
            self.display.tap("CapsLock")

    def stop(self):
        if self.program is not None:
            self.program.stop()
        self.program = None

    def quit(self):
        self.stop()
        pyatspi.Registry.deregisterEventListener(self.heard, "object:state-changed:showing")
        self.display.close()
