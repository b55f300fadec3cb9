#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Screenshots of the web edition in headless Chromium after a lookup typed
# with real keys: the window at a desktop's width, and a whole phone screen
# (390 CSS pixels wide, at three device pixels each); with a fourth
# argument, the window under a dark and a light contrast theme (forced
# colours) as PREFIX-dark.png and PREFIX-light.png.
# usage: screenshot-web.py lexidor.html DESKTOP.png PHONE.png [CONTRAST-PREFIX]
import base64
import os
import sys

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

# Nothing written beside the sources (no __pycache__ of browser.py).
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from browser import Browser  # noqa: E402

page, desktop_png, phone_png = sys.argv[1:4]
profiles = os.path.join(os.path.dirname(os.path.abspath(page)), "chromium")
shots = [(desktop_png, False, None), (phone_png, True, None)]
if len(sys.argv) > 4:
    shots += [(f"{sys.argv[4]}-{scheme}.png", False, scheme) for scheme in ("dark", "light")]
for out, phone, scheme in shots:
    b = Browser(page, profiles, phone=phone)
    try:
        b.open(scheme and (lambda: b.emulate_media(("forced-colors", "active"), ("prefers-color-scheme", scheme))))
        keys = ActionChains(b.driver, duration=0)
        for ch in "planes de actuación municipal":
            keys.send_keys(ch)
        keys.send_keys(Keys.ENTER).perform()
        b.driver.execute_async_script("requestAnimationFrame(() => requestAnimationFrame(arguments[0]))")
        if phone:
            shot = b.cdp("Page.captureScreenshot", {"format": "png", "captureBeyondViewport": False})
            with open(out, "wb") as f:
                f.write(base64.b64decode(shot["data"]))
        else:
            b.driver.find_element(By.ID, "frmLexidor").screenshot(out)
    finally:
        b.quit()
    print("wrote " + out)
