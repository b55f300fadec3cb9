#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The web edition's figures in headless Chromium (tests/web/browser.py):
# the page's size; its first rendered frame (First Contentful Paint, from
# the start of the navigation), interleaved with a page of one line of text
# from disk as the floor; and the worst key step, "x" after "a" (the list
# runs to row 60 and back), and the lookup of the longest definition (Enter),
# each timed in the page from a real key release reaching the window to the
# end of its handling. Prints tab-separated lines for run-bench.sh:
#   size BYTES | frame NAME MEDIAN MIN MAX (ms) | step NAME MEDIAN MIN MAX (µs)
# usage: web-bench.py lexidor.html WORK_DIR [RUNS] [REPS]
import os
import statistics
import sys
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

# Nothing written beside the sources (no __pycache__ of browser.py).
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from browser import Browser  # noqa: E402

page, work = sys.argv[1], sys.argv[2]
runs = int(sys.argv[3]) if len(sys.argv) > 3 else 15
reps = int(sys.argv[4]) if len(sys.argv) > 4 else 10
STEPS = 50  # key releases timed in one repetition; performance.now() is coarse off an isolated page

floor = os.path.join(work, "floor.html")
with open(floor, "w", encoding="utf-8") as f:
    f.write('<!DOCTYPE html><html lang="es"><meta charset="utf-8"><title>.</title><p>Lexidor de Términos</p>')

print("size\t%d" % os.path.getsize(page))

b = Browser(page, os.path.join(work, "chromium"))
try:
    d = b.driver

    def first_frame(url):
        d.switch_to.new_window("tab")
        d.get(url)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            fcp = d.execute_script(
                "const e = performance.getEntriesByName('first-contentful-paint'); return e.length ? e[0].startTime : null")
            if fcp is not None:
                break
            time.sleep(0.02)
        d.close()
        d.switch_to.window(b.home)
        return fcp

    plain = os.path.join(work, "plain.html")
    b.open()
    with open(plain, "w", encoding="utf-8") as f:
        f.write("<!DOCTYPE html>" + d.execute_script(
            "const copy = document.documentElement.cloneNode(true);"
            "copy.querySelectorAll('script, meta[http-equiv]').forEach(e => e.remove());"
            "return copy.outerHTML;"))
    d.close()
    d.switch_to.window(b.home)

    pages = {"floor": "file://" + floor, "plain": "file://" + plain, "lexidor": b.url}
    frames = {name: [] for name in pages}
    for url in pages.values():  # one unmeasured run each
        first_frame(url)
    for _ in range(runs):
        for name, url in pages.items():
            frames[name].append(first_frame(url))
    for name, values in frames.items():
        print("frame\t%s\t%.1f\t%.1f\t%.1f" % (name, statistics.median(values), min(values), max(values)))

    # The step's time: from a capturing listener on the window, which sees
    # the key release before the program does, to one on the window's way
    # back, which sees it after.
    b.open()
    d.execute_script("""
        window.steps = [];
        let start = 0;
        window.addEventListener('keyup', () => { start = performance.now(); }, true);
        window.addEventListener('keyup', () => { steps.push(performance.now() - start); });""")

    def timed(keys):
        d.execute_script("steps.length = 0")
        chain = ActionChains(d, duration=0)
        for key in keys:
            chain.send_keys(key)
        chain.perform()
        values = d.execute_script("return steps")
        return values

    worst, lookup = [], []
    ActionChains(d, duration=0).send_keys("a").perform()
    for _ in range(reps):
        # x fails after a, so each x runs the list to row 60 and back;
        # Backspace at intLongitud 2 changes nothing, so every x is the same.
        values = timed(["x", Keys.BACKSPACE] * STEPS)
        worst.append(statistics.mean(values[0::2]) * 1000)
    b.reload()
    ActionChains(d, duration=0).send_keys("planes de actuación municipal").perform()
    d.execute_script("""
        window.steps = [];
        let start = 0;
        window.addEventListener('keyup', () => { start = performance.now(); }, true);
        window.addEventListener('keyup', () => { steps.push(performance.now() - start); });""")
    for _ in range(reps):
        lookup.append(statistics.mean(timed([Keys.ENTER] * STEPS)) * 1000)
    for name, values in (("worst key step", worst), ("lookup", lookup)):
        print("step\t%s\t%.0f\t%.0f\t%.0f" % (name, statistics.median(values), min(values), max(values)))
finally:
    b.quit()
