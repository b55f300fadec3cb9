# SPDX-License-Identifier: MIT
# The page as tests/drive's host for the targets chromium and webkit: opens
# lexidor.html in a fresh tab of headless Chromium (or WebKit) and performs
# each command with real browser input (WebDriver actions and the DevTools
# input domain: key presses and releases, mouse presses, releases and
# double-clicks); the state is read from the page's DOM, what was said from
# its live region. The type-ahead state is nothing the page shows: this host
# leaves it unread.
#
# Environment: LEXIDOR_WEB_PROFILES (where the fresh browser profiles go),
# LEXIDOR_WEB_MODE: "keys" (a desktop keyboard) or "229", typing as a phone's
# keyboard types: each character and Backspace an input event between a key
# press and release that say only keyCode 229, key "Unidentified". WebKit's
# WebDriver types neither capitals, what takes Shift, nor letters outside ASCII, and sends no
# Caps Lock nor the release of Alt alone: those key events come from the
# page's script there, with the character inserted as typing inserts it. It
# also counts two clicks in a row as a double-click however far apart in
# the script, so a click waits out the double-click time after the one
# before. Text with no key event at all ("insert"): the DevTools'
# Input.insertText in Chromium, in both keyboard modes; the editing command
# insertText from the page's script in WebKit.
import os
import sys
import time

from selenium.common.exceptions import WebDriverException
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

# Nothing written beside the sources (no __pycache__ of browser.py).
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "web"))
from selenium.webdriver.common.actions.mouse_button import MouseButton  # noqa: E402
from selenium.webdriver.common.actions.wheel_input import ScrollOrigin  # noqa: E402
from browser import Browser  # noqa: E402

# WebDriver's RETURN is the main Enter key, its ENTER the keypad's.
BOX_KEYS = {"Enter": Keys.RETURN, "KeypadEnter": Keys.ENTER, "Backspace": Keys.BACKSPACE, "Shift": Keys.SHIFT, "Left": Keys.LEFT,
            "Right": Keys.RIGHT, "Home": Keys.HOME, "End": Keys.END, "Delete": Keys.DELETE,
            "CapsLock": None}
LIST_KEYS = {"Enter": Keys.RETURN, "Space": Keys.SPACE, "Up": Keys.UP, "Down": Keys.DOWN, "PageUp": Keys.PAGE_UP,
             "PageDown": Keys.PAGE_DOWN, "Home": Keys.HOME, "End": Keys.END}
ROWS = 61

# What a screen reader is told: each change of the live region, heard by a
# MutationObserver from the moment the page has started (a text said again
# is a change too, which its text alone would not show). The no-break space
# the page adds to a repeated text is no part of what is said.
LISTEN_SCRIPT = """
const region = document.getElementById('anuncio');
window.heard = '';
new MutationObserver(() => { window.heard = region.textContent.replace(/\u00A0$/, ''); })
    .observe(region, {childList: true, characterData: true, subtree: true});
"""

# What the window shows: the box, the option drawn selected, the row at the
# list's top as scrolled, the definition and whether any of it is drawn
# outside its area (a line running off it, or the area scrolled), the focused
# control, the row the list names current to a screen reader while it has
# the focus (its active descendant); and the last text said since the
# previous state.
STATE_SCRIPT = """
const box = document.getElementById('txtBuscar');
if (!box) return null;
const selected = document.querySelectorAll('#lstLista [role="option"][aria-selected="true"]');
const focus = document.activeElement;
const inWindow = focus && focus !== document.body && document.getElementById('frmLexidor').contains(focus);
const list = document.getElementById('lstLista');
const label = document.getElementById('lblDescripcion');
const area = label.getBoundingClientRect();
const left = area.left + label.clientLeft, top = area.top + label.clientTop;
const lines = document.createRange();
lines.selectNodeContents(label);
const cut = label.scrollHeight > label.clientHeight || label.scrollWidth > label.clientWidth ||
    [...lines.getClientRects()].some(r => r.width > 0 && (r.left < left - 0.5 || r.top < top - 0.5 ||
        r.right > left + label.clientWidth + 0.5 || r.bottom > top + label.clientHeight + 0.5));
const named = focus === list && document.getElementById(list.getAttribute('aria-activedescendant') || '');
const said = window.heard;
window.heard = '';
return {text: box.value,
        row: selected.length === 1 ? Number(selected[0].id.replace('lstLista-', '')) : (selected.length ? -2 : -1),
        top: Math.round(list.scrollTop / list.firstElementChild.getBoundingClientRect().height),
        current: named && list.contains(named) ? [...list.children].indexOf(named) : -1,
        caption: label.textContent, cut, focus: inWindow ? focus.id : '', said};
"""


class WebTarget:
    def __init__(self, browser, keycode229, after=None):
        self.b = browser
        self.d = browser.driver
        self.keycode229 = keycode229
        self.ended = False
        self.last = None
        # A restart loads the page again in the tab of the program before:
        # the browser's clock for double-clicks runs on across it.
        self.last_click = after.last_click if after else 0.0
        if after:
            self.b.reload()
        else:
            self.b.open()
        self.d.execute_script(LISTEN_SCRIPT)

    def el(self, name):
        return self.d.find_element(By.ID, name)

    def actions(self):
        return ActionChains(self.d, duration=0)

    # The state once every event the command caused has run, a frame
    # (where the list's scroll events are dispatched) included.
    def settle(self):
        self.last = self.d.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "requestAnimationFrame(() => done((() => {" + STATE_SCRIPT + "})()));")
        return self.last

    def state(self):
        return self.last if self.last is not None else self.settle()

    # One key event; in WebKit from the page's script, saying whether the
    # page let it do what it would do (not cancelled).
    def key_event(self, kind, key, code="", key_code=0, text=None):
        if self.b.engine == "webkit":
            return self.d.execute_script("""
                const [type, key, code, keyCode] = arguments;
                const e = new KeyboardEvent(type, {key, code, bubbles: true, cancelable: true});
                Object.defineProperty(e, 'keyCode', {get: () => keyCode});
                return (document.activeElement || document.body).dispatchEvent(e);""",
                                         "keyup" if kind == "keyUp" else "keydown", key, code, key_code)
        params = {"type": kind, "key": key, "code": code, "windowsVirtualKeyCode": key_code,
                  "nativeVirtualKeyCode": key_code}
        if text is not None:
            params["text"] = text
        self.b.cdp("Input.dispatchKeyEvent", params)

    # Keys meant for one control reach it whatever has the focus, as the
    # desktop drivers send them to the control itself: the control gets the
    # focus for them, and the focus goes back after (no click, so no Click).
    def keys_to(self, name, send):
        if self.state()["focus"] == name:
            send()
            return
        before = self.d.execute_script(
            "const f = document.activeElement; document.getElementById(arguments[0]).focus(); return f;", name)
        send()
        if not self.ended_now():
            self.d.execute_script("arguments[0].focus()", before)

    def ended_now(self):
        if self.b.tab_gone():
            return True
        return self.d.execute_script(
            "return !document.getElementById('frmLexidor') && !!document.getElementById('ended')")

    # A character as the page's script types it: its key pressed, the
    # character inserted at the caret (the input event), its key released.
    def script_types(self, ch):
        if self.key_event("rawKeyDown", ch):
            self.d.execute_script("document.execCommand('insertText', false, arguments[0])", ch)
        self.key_event("keyUp", ch)

    # Each character pressed, typed and released, one after the other.
    def type_text(self, text):
        def send():
            if self.b.engine == "webkit":
                for ch in text:
                    # What a US keyboard types without Shift.
                    if ch.isascii() and not ch.isupper() and ch not in '~!@#$%^&*()_+{}|:"<>?':
                        self.actions().send_keys(ch).perform()
                    else:
                        self.script_types(ch)
                return
            if not self.keycode229:
                self.actions().send_keys(text).perform()
                return
            for ch in text:
                self.key_event("rawKeyDown", "Unidentified", "", 229)
                self.b.cdp("Input.insertText", {"text": ch})
                self.key_event("keyUp", "Unidentified", "", 229)
        self.keys_to("txtBuscar", send)
        self.after()

    # The whole text at once with no key event, as dictation or a tapped
    # suggestion puts it in: the DevTools' text insertion in Chromium, the
    # editing command from the page's script in WebKit.
    def insert_text(self, text):
        def send():
            if self.b.engine == "webkit":
                self.d.execute_script("document.execCommand('insertText', false, arguments[0])", text)
            else:
                self.b.cdp("Input.insertText", {"text": text})
        self.keys_to("txtBuscar", send)
        self.after()

    def press_box_key(self, name):
        def send():
            if name == "CapsLock":
                self.key_event("rawKeyDown", "CapsLock", "CapsLock", 20)
                self.key_event("keyUp", "CapsLock", "CapsLock", 20)
            elif name == "Backspace" and self.keycode229:
                self.key_event("rawKeyDown", "Unidentified", "", 229)
                self.d.execute_script("document.execCommand('delete')")
                self.key_event("keyUp", "Unidentified", "", 229)
            elif name == "Shift":
                self.actions().key_down(Keys.SHIFT).key_up(Keys.SHIFT).perform()
            else:
                self.actions().send_keys(BOX_KEYS[name]).perform()
        self.keys_to("txtBuscar", send)

    def scroll_to_row(self, row):
        # As a user brings a row into sight with the scroll bar; the list
        # hears of it through its scroll event, in the next frame.
        self.d.execute_async_script(
            "document.getElementById('lstLista-' + arguments[0]).scrollIntoView({block: 'nearest'});"
            "requestAnimationFrame(arguments[1]);", row)

    # A notch of the wheel over the list: three rows' pixels, as a notch
    # scrolls a list on the desktop. WebKit's WebDriver has no wheel: its
    # list is scrolled by those pixels from the page's script.
    def wheel_notch(self, direction):
        delta = direction * 3 * self.d.execute_script(
            "return document.getElementById('lstLista').firstElementChild.getBoundingClientRect().height")
        if self.b.engine == "webkit":
            self.d.execute_script("document.getElementById('lstLista').scrollBy(0, arguments[0])", delta)
        else:
            self.actions().scroll_from_origin(ScrollOrigin.from_element(self.el("lstLista")), 0,
                                              round(delta)).perform()
        self.d.execute_async_script(
            "const done = arguments[0]; requestAnimationFrame(() => requestAnimationFrame(done));")

    # Clicks far apart in time, where the browser would join them into a
    # double-click whatever the script says (WebKit).
    def before_click(self):
        if self.b.engine == "webkit":
            time.sleep(max(0.0, self.last_click + 0.6 - time.monotonic()))
            self.last_click = time.monotonic()

    def act(self, command):
        name = command[0]
        if name in ("click box", "rightclick box", "middleclick box", "dblclick box", "drag box", "click buscar",
                    "select", "rightclick", "dblclick", "dblclick below", "click cerrar"):
            self.before_click()
        if name == "key":
            self.press_box_key(command[1])
        elif name == "listkey":
            key = LIST_KEYS.get(command[1], command[1].lower())
            self.keys_to("lstLista", lambda: self.actions().send_keys(key).perform())
        elif name == "release Alt":
            self.keys_to("txtBuscar", lambda: self.key_event("keyUp", "Alt", "AltLeft", 18))
        elif name in ("click box", "rightclick box", "middleclick box", "dblclick box", "drag box"):
            # To the right of the text, where the caret goes to the end.
            box = self.el("txtBuscar")
            at = box.size["width"] // 2 - 4
            chain = self.actions().move_to_element_with_offset(box, at, 0)
            if name == "click box":
                chain.click()
            elif name == "rightclick box":
                chain.context_click()
            elif name == "dblclick box":
                chain.double_click()
            elif name == "drag box":
                # Pressed inside, released outside.
                chain.click_and_hold().move_by_offset(box.size["width"] // 2 - at + 20, 0).release()
            else:
                chain.w3c_actions.pointer_action.pointer_down(MouseButton.MIDDLE).pointer_up(MouseButton.MIDDLE)
            chain.perform()
        elif name == "enter on Buscar":
            self.d.execute_script("document.getElementById('cmdBuscar').focus();")
            self.actions().send_keys(Keys.RETURN).perform()
        elif name == "click buscar":
            self.actions().click(self.el("cmdBuscar")).perform()
        elif name in ("wheel down", "wheel up"):
            self.wheel_notch(1 if name == "wheel down" else -1)
        elif name == "select":
            self.scroll_to_row(command[1])
            self.actions().click(self.el("lstLista-%d" % command[1])).perform()
        elif name == "rightclick":
            self.scroll_to_row(command[1])
            self.actions().context_click(self.el("lstLista-%d" % command[1])).perform()
        elif name == "dblclick":
            self.scroll_to_row(command[1])
            self.actions().double_click(self.el("lstLista-%d" % command[1])).perform()
        elif name == "dblclick below":
            self.scroll_to_row(ROWS - 1)
            # A point of the list that is no row: below the last one, or
            # its bottom border where the rows fill the list exactly.
            dx, dy = self.d.execute_script("""
                const list = document.getElementById('lstLista'), r = list.getBoundingClientRect();
                const x = r.left + r.width / 2;
                for (let y = r.bottom - 1; y > r.top; --y)
                    if (document.elementFromPoint(x, y) === list)
                        return [0, Math.round(y - (r.top + r.height / 2))];
                return null;""")
            self.actions().move_to_element_with_offset(self.el("lstLista"), dx, dy).double_click().perform()
        elif name in ("tab", "shift+tab", "ctrl+tab"):
            if name == "tab":
                self.actions().send_keys(Keys.TAB).perform()
            elif name == "ctrl+tab":
                self.actions().key_down(Keys.CONTROL).send_keys(Keys.TAB).key_up(Keys.CONTROL).perform()
            else:
                self.actions().key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
        elif name == "activate":
            # Another tab comes to the front, then this one again.
            self.d.switch_to.new_window(self.b.new_page_kind())
            self.d.close()
            self.d.switch_to.window(self.b.tab)
        elif name == "alt+c":
            self.actions().key_down(Keys.ALT).send_keys("c").key_up(Keys.ALT).perform()
        elif name == "click cerrar":
            self.actions().click(self.el("mnuCerrar")).perform()
        elif name == "close":
            # The tab's own close control.
            self.d.close()
        self.after()

    def after(self):
        self.last = None
        if self.b.tab_gone():
            self.ended = True
            self.d.switch_to.window(self.b.home)
            return
        self.ended = self.settle() is None and self.ended_now()



class Host:
    """tests/drive's host: one browser for the whole run, a fresh tab for
    each scenario, the page loaded again in it for a restart."""
    unread = ("intIndice", "intLongitud")

    def __init__(self, target, page):
        profiles = os.environ.get("LEXIDOR_WEB_PROFILES", os.path.join(os.path.dirname(page), "chromium"))
        self.keycode229 = os.environ.get("LEXIDOR_WEB_MODE", "keys") == "229"
        self.browser = Browser(page, profiles, engine=target)
        self.program = None

    def start(self):
        before = self.program
        if before is not None and not before.ended and not self.browser.tab_gone():
            self.program = WebTarget(self.browser, self.keycode229, after=before)
        else:
            self.stop()
            self.program = WebTarget(self.browser, self.keycode229)
        return self.program

    def stop(self):
        b = self.browser
        if self.program is not None and b.tab in b.driver.window_handles:
            b.driver.switch_to.window(b.tab)
            b.driver.close()
            b.driver.switch_to.window(b.home)
        self.program = None

    def quit(self):
        self.browser.quit()
