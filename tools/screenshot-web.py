#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Screenshots of the web edition in headless Chromium after a lookup typed
# with real keys: the window at a desktop's width, and a whole phone screen
# (390 CSS pixels wide, at three device pixels each); the page where scripts
# do not run, on the same phone; the first page of the glossary as it
# prints (Chromium's PDF on A4, shown by its own PDF viewer); with a sixth
# argument, the window under a dark and a light contrast theme (forced
# colours) as PREFIX-dark.png and PREFIX-light.png.
# usage: screenshot-web.py lexidor.html DESKTOP.png PHONE.png NOSCRIPT.png PRINT.png [CONTRAST-PREFIX]
import base64
import os
import sys
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

# Nothing written beside the sources (no __pycache__ of browser.py).
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from browser import Browser  # noqa: E402

page, desktop_png, phone_png, noscript_png, print_png = sys.argv[1:6]
profiles = os.path.join(os.path.dirname(os.path.abspath(page)), "chromium")


def screen(b, out):
    shot = b.cdp("Page.captureScreenshot", {"format": "png", "captureBeyondViewport": False})
    with open(out, "wb") as f:
        f.write(base64.b64decode(shot["data"]))
    print("wrote " + out)

shots = [(desktop_png, False, None), (phone_png, True, None)]
if len(sys.argv) > 6:
    shots += [(f"{sys.argv[6]}-{scheme}.png", False, scheme) for scheme in ("dark", "light")]
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
            screen(b, out)
        else:
            b.driver.find_element(By.ID, "frmLexidor").screenshot(out)
            print("wrote " + out)
    finally:
        b.quit()

b = Browser(page, profiles)
try:
    d = b.driver
    d.switch_to.new_window("tab")
    b.cdp("Emulation.setDeviceMetricsOverride", {"width": 390, "height": 844, "deviceScaleFactor": 2, "mobile": True})
    b.cdp("Emulation.setScriptExecutionDisabled", {"value": True})
    d.get(b.url)
    screen(b, noscript_png)
    d.close()
    d.switch_to.window(b.home)

    # The PDF beside the picture, shown in a tab of a page's size.
    b.open()
    pdf = os.path.join(b.profile, "glosario.pdf")
    with open(pdf, "wb") as f:
        f.write(base64.b64decode(b.cdp("Page.printToPDF", {"paperWidth": 8.27, "paperHeight": 11.69})["data"]))
    d.switch_to.new_window("tab")
    b.cdp("Emulation.setDeviceMetricsOverride", {"width": 620, "height": 877, "deviceScaleFactor": 1.5, "mobile": False})
    d.get("file://" + pdf + "#toolbar=0&navpanes=0&view=Fit")
    time.sleep(3)  # the viewer draws the page when it has laid it out; no event says when
    screen(b, print_png)
finally:
    b.quit()
