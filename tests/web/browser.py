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
        # Chromium writes a settings folder into the home, whatever profile
        # it is given: inside the profile, which goes when the browser does.
        # Its temporary folder holds the profile's lock socket, and its
        # runtime directory is where sockets belong: their paths must stay
        # under the 107 bytes of a Unix socket however deep the build tree
        # lies, so both are in a short folder in /tmp, gone with the browser
        # (dconf's files in the runtime directory too).
        home = os.path.join(self.profile, "home")
        os.makedirs(home)
        self.tmp = tempfile.mkdtemp(prefix="lexidor-web-", dir="/tmp")
        runtime = os.path.join(self.tmp, "run")
        os.makedirs(runtime, mode=0o700)
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

    # The program has run (its Module is there; the box has had the focus
    # since the page loaded) and has kept the box focused.
    def wait_started(self, seconds=10):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if self.driver.execute_script(
                    "return !!window.Module && !!document.activeElement && document.activeElement.id === 'txtBuscar'"):
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
