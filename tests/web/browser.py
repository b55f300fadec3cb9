# SPDX-License-Identifier: MIT
# Headless Chromium for the web edition's tests and benchmarks: Debian's
# chromium and chromium-driver through Debian's python3-selenium, a fresh
# profile inside the build tree, nothing reached on the network. The page
# opens from disk in a tab of its own, so that the tests can close it and
# go on (the first tab stays as the session's home).
#
# engine="webkit": WebKit, Safari's engine, instead: Debian's WebKitGTK
# (webkit2gtk-driver, its MiniBrowser driven by WebKitWebDriver) on the
# display it is given (tests/support/private-session.sh), whose home and
# folders it uses; no DevTools there, so no phone emulation either.
import base64
import os
import shutil
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

import pixels

CHROMIUM = "/usr/bin/chromium"
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
WEBKIT_DRIVER = "/usr/bin/WebKitWebDriver"
CHROMEDRIVER = "/usr/bin/chromedriver"
FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
         "--disable-component-update", "--disable-sync", "--no-first-run", "--no-default-browser-check",
         "--disable-features=Translate,MediaRouter,OptimizationHints", "--password-store=basic",
         "--lang=es-ES"]
# A phone's screen in CSS pixels (a 6.1-inch phone held upright).
PHONE = {"width": 390, "height": 844, "deviceScaleFactor": 3, "mobile": True}
DESKTOP_WINDOW = (800, 640)


class Browser:
    def __init__(self, page, profile_root, phone=False, logs=False, engine="chromium"):
        self.url = "file://" + os.path.abspath(page)
        self.engine = engine
        self.phone = phone
        self.tab = None
        self.profile = self.tmp = None
        self.driver = self.start_webkit() if engine == "webkit" else self.start_chromium(profile_root, logs)
        self.driver.set_script_timeout(10)
        self.home = self.driver.current_window_handle

    @staticmethod
    def start_webkit():
        options = webdriver.WebKitGTKOptions()
        options.binary_location = MINIBROWSER
        options.add_argument("--automation")
        driver = webdriver.WebKitGTK(executable_path=WEBKIT_DRIVER, options=options, service_log_path=os.devnull)
        driver.set_window_size(*DESKTOP_WINDOW)
        return driver

    def start_chromium(self, profile_root, logs):
        os.makedirs(profile_root, exist_ok=True)
        self.profile = tempfile.mkdtemp(prefix="chromium-", dir=profile_root)
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in FLAGS:
            options.add_argument(flag)
        options.add_argument("--user-data-dir=" + self.profile)
        options.add_argument("--window-size=%d,%d" % DESKTOP_WINDOW)
        if logs:
            options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        # Chromium writes a settings folder into the home and dconf's into
        # the runtime directory, whatever profile it is given: both inside
        # the profile, which goes when the browser does.
        home = os.path.join(self.profile, "home")
        runtime = os.path.join(self.profile, "run")
        os.makedirs(home)
        os.makedirs(runtime, mode=0o700)
        # Its temporary folder holds the profile's lock socket, whose path
        # must stay under the 107 bytes of a Unix socket however deep the
        # build tree lies: a short folder in /tmp, gone with the browser.
        self.tmp = tempfile.mkdtemp(prefix="lexidor-web-", dir="/tmp")
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_CACHE_HOME=os.path.join(home, ".cache"), XDG_DATA_HOME=os.path.join(home, ".local", "share"),
                   XDG_RUNTIME_DIR=runtime, TMPDIR=self.tmp)
        service = Service(executable_path=CHROMEDRIVER, log_path=os.devnull, env=env)
        return webdriver.Chrome(service=service, options=options)

    def new_page_kind(self):
        return "window" if self.engine == "webkit" else "tab"

    def cdp(self, command, params=None):
        return self.driver.execute_cdp_cmd(command, params or {})

    # CSS media features as a user's settings make them, e.g.
    # emulate_media(("forced-colors", "active"), ("prefers-color-scheme", "dark"))
    # for a dark contrast theme (Chromium only).
    def emulate_media(self, *features):
        self.cdp("Emulation.setEmulatedMedia", {"features": [{"name": n, "value": v} for n, v in features]})

    # The pixels of an area of the page, as pixels.decode_png gives them.
    def pixels(self, rect):
        shot = self.cdp("Page.captureScreenshot", {"format": "png", "clip": dict(rect, scale=1)})
        return pixels.decode_png(base64.b64decode(shot["data"]))[2]

    # A new tab with the page, as a user opens the file; `prepare` runs in
    # the tab before the page loads. Waits until the program has started
    # (the box has the focus).
    def open(self, prepare=None):
        # WebKit draws only the tab in front (a page in a background tab gets
        # no animation frames): a window of its own there.
        self.driver.switch_to.new_window(self.new_page_kind())
        self.tab = self.driver.current_window_handle
        if self.phone:
            self.cdp("Emulation.setDeviceMetricsOverride", PHONE)
            self.cdp("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
        if prepare:
            prepare()
        self.driver.get(self.url)
        self.wait_started()

    def reload(self):
        self.driver.refresh()
        self.wait_started()

    def wait_started(self, seconds=10):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if self.driver.execute_script(
                    "return !!document.activeElement && document.activeElement.id === 'txtBuscar'"):
                return
            time.sleep(0.02)
        raise RuntimeError("the page did not start: " + self.driver.execute_script(
            "return document.body ? document.body.innerText : ''"))

    # True when the tab has gone (the program closed it).
    def tab_gone(self):
        return self.tab not in self.driver.window_handles

    def quit(self):
        try:
            self.driver.quit()
        finally:
            for folder in (self.profile, self.tmp):
                if folder:
                    shutil.rmtree(folder, ignore_errors=True)


def json_string(text):
    """A JSON string as the scenario drivers write it (tests/support)."""
    out = ['"']
    for ch in text:
        o = ord(ch)
        if ch in '"\\':
            out.append("\\" + ch)
        elif o < 0x20 or 0xD800 <= o <= 0xDFFF:
            out.append("\\u%04X" % o)
        else:
            out.append(ch)
    out.append('"')
    return "".join(out)


# What the window shows, read from the page's DOM, as the state line names
# it: the box, the option drawn selected, the row at the list's top as
# scrolled, the definition, the focused control, and what the page said to
# a screen reader since the last read: the polite live region's text when
# it changed (a repeated text comes back with a no-break space at its end,
# left out here), "" when it did not. A mutation observer on the region
# notes each change, the first read sets it up.
WINDOW_STATE_SCRIPT = """
const box = document.getElementById('txtBuscar');
if (!box) return null;
const selected = document.querySelectorAll('#lstLista [role="option"][aria-selected="true"]');
const focus = document.activeElement;
const inWindow = focus && focus !== document.body && document.getElementById('frmLexidor').contains(focus);
const list = document.getElementById('lstLista');
const region = document.getElementById('anuncio');
if (!window.lexidorSaid) {
    window.lexidorSaid = {text: region.textContent};
    new MutationObserver(() => { window.lexidorSaid.text = region.textContent; })
        .observe(region, {childList: true, characterData: true, subtree: true});
}
const said = window.lexidorSaid.text.replace(/\u00A0$/, '');
window.lexidorSaid.text = '';
return {text: box.value,
        row: selected.length === 1 ? Number(selected[0].id.replace('lstLista-', '')) : (selected.length ? -2 : -1),
        top: Math.round(list.scrollTop / list.firstElementChild.getBoundingClientRect().height),
        caption: document.getElementById('lblDescripcion').textContent,
        focus: inWindow ? focus.id : '', said};
"""

# The same, with the type-ahead state from the program's two read-only
# entry points, as a list in the order of state_line below.
STATE_SCRIPT = """
const s = (() => {""" + WINDOW_STATE_SCRIPT + """})();
return s && [s.text, s.row, s.top, s.caption, Module._lexidor_indice(), Module._lexidor_longitud(), s.focus];
"""


def state_line(state):
    text, row, top, caption, indice, longitud, focus = state
    return ('{"text":%s,"row":%d,"top":%d,"caption":%s,"intIndice":%d,"intLongitud":%d,"focus":%s}\n'
            % (json_string(text), row, top, json_string(caption), indice, longitud, json_string(focus)))
