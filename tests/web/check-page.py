#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The web edition as a user and a screen reader meet it, in headless
# Chromium: what the page loads (nothing but itself: no request, no policy
# violation, no console error), the window's layout against the form table
# at a desktop's width and its one-column form on a phone, the accessibility
# tree (names, roles, the live region) before and after a lookup typed with
# real keys, the two ways Cerrar ends the program in a tab, and the page
# under a contrast theme, dark and light (forced colours), and with more
# contrast asked for.
# usage: check-page.py lexidor.html PROFILE_DIR
import json
import os
import sys

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

# Nothing written beside the sources (no __pycache__ of browser.py).
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from browser import Browser  # noqa: E402
from pixels import contrast, text_contrast  # noqa: E402

PAGE, PROFILES = sys.argv[1], sys.argv[2]
failures = []

# The form table (src/form/FormDescription.h) in CSS pixels: twips / 15.
LAYOUT = {"lblBuscar": (16, 24, 169, 17), "txtBuscar": (16, 48, 225, 19), "lstLista": (16, 80, 241, 251),
          "lblDescripcion": (272, 80, 201, 249), "cmdBuscar": (96, 352, 81, 25)}
CSN = "CSN: Consejo de Seguridad Nuclear."
FIRST_TERMS = ["ABRS", "ACCIDENTE NUCLEAR", "ACTIVIDAD", "ÁTOMO"]


def check(ok, what, detail=""):
    print(("ok: " if ok else "FAIL: ") + what + (f" ({detail})" if detail else ""))
    if not ok:
        failures.append(what)


def ax_nodes(b):
    nodes = []
    for n in b.cdp("Accessibility.getFullAXTree")["nodes"]:
        if n.get("ignored"):
            continue
        props = {p["name"]: p["value"].get("value") for p in n.get("properties", [])}
        nodes.append({"role": n.get("role", {}).get("value"), "name": n.get("name", {}).get("value", ""),
                      "description": n.get("description", {}).get("value", ""), **props})
    return nodes


def one(nodes, role, name=None):
    found = [n for n in nodes if n["role"] == role and (name is None or n["name"] == name)]
    return found[0] if len(found) == 1 else None


def type_keys(b, text):
    for ch in text:
        ActionChains(b.driver, duration=0).send_keys(ch).perform()


def desktop(b):
    d = b.driver
    # Everything the page asked for: itself, and data: addresses at most;
    # with the network off, as on a machine that has none.
    def prepare():
        b.cdp("Network.enable")
        b.cdp("Network.emulateNetworkConditions",
              {"offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        b.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": """
            window.violations = [];
            document.addEventListener('securitypolicyviolation',
                e => violations.push(e.violatedDirective + ' ' + e.blockedURI));"""})
        d.get_log("performance")
        d.get_log("browser")

    b.open(prepare)
    requests = []
    for entry in d.get_log("performance"):
        message = json.loads(entry["message"])["message"]
        if message["method"] == "Network.requestWillBeSent":
            params = message["params"]
            if params.get("documentURL") == b.url or params["request"]["url"] == b.url:
                requests.append(params["request"]["url"])
    check(b.url in requests, "the page's own load is seen", str(len(requests)))
    foreign = [u for u in requests if u != b.url and not u.startswith("data:")]
    check(not foreign, "the page loads nothing but itself", ", ".join(u[:60] for u in foreign))
    check(d.execute_script("return violations") == [], "no Content-Security-Policy violation",
          str(d.execute_script("return violations")))
    policy = d.execute_script(
        "const m = document.querySelector('meta[http-equiv=\"Content-Security-Policy\"]');"
        "return m ? m.content : ''")
    check("default-src 'none'" in policy and "unsafe-eval'" not in policy.replace("wasm-unsafe-eval", "")
          and "unsafe-inline" not in policy, "the policy allows nothing external, no eval, no inline code",
          policy[:80])
    check(d.execute_script("return [...document.querySelectorAll('[src],[href]')]"
                           ".every(e => (e.src || e.href).startsWith('data:'))"),
          "every picture and the icon are inlined")
    errors = [e["message"] for e in d.get_log("browser") if e["level"] == "SEVERE"]
    check(not errors, "no error on the console", "; ".join(errors)[:200])

    # The window against the form table.
    rects = d.execute_script("""
        const c = document.querySelector('.client').getBoundingClientRect(), out = {};
        for (const id of arguments[0]) {
            const r = document.getElementById(id).getBoundingClientRect();
            out[id] = [r.left - c.left, r.top - c.top, r.width, r.height];
        }
        out.client = [c.width, c.height];
        return out;""", list(LAYOUT))
    for name, want in LAYOUT.items():
        check([round(v) for v in rects[name]] == list(want), f"{name} at its place in the form table",
              f"{rects[name]} against {want}")
    check(rects["client"] == [490, 401], "client area 490 by 401", str(rects["client"]))
    rows = d.execute_script("const l = document.getElementById('lstLista');"
                            "return l.clientHeight / l.firstElementChild.getBoundingClientRect().height")
    check(rows == 19, "the list shows 19 whole rows", str(rows))
    check(d.execute_script("const l = document.getElementById('lblBuscar'); return l.scrollWidth <= l.clientWidth"),
          "the prompt fits in its box")

    # The accessibility tree at start.
    ax = ax_nodes(b)
    check(one(ax, "RootWebArea", "Lexidor de Términos") is not None, "the page is named by the caption")
    check(one(ax, "heading", "Lexidor de Términos") is not None, "the caption is the page's heading")
    box = one(ax, "textbox", "Palabra clave")
    check(box is not None and box.get("focused"), "the search box is named Palabra clave and has the focus")
    check(box is not None and "activedescendant" not in box, "the box names no list row while typing")
    check(one(ax, "StaticText", "Escriba la palabra clave a buscar:") is not None, "the prompt is read")
    listbox = one(ax, "listbox", "Términos")
    options = [n for n in ax if n["role"] == "option"]
    check(listbox is not None and len(options) == 61 and [o["name"] for o in options[:4]] == FIRST_TERMS,
          "the list is a listbox named Términos with the 61 terms as options", f"{len(options)} options")
    check(not any(o.get("selected") for o in options), "no row is selected at start")
    check(one(ax, "button", "Buscar") is not None, "the button is named Buscar")
    menu = one(ax, "menuitem", "Cerrar")
    check(one(ax, "menubar") is not None and menu is not None and menu.get("keyshortcuts") == "Alt+C",
          "Cerrar is a menu item with the shortcut Alt+C")
    live = [n for n in ax if n.get("live") not in (None, "off")]
    check(len(live) == 1 and live[0]["role"] == "status" and live[0]["live"] == "polite"
          and live[0].get("atomic") is True, "one polite, atomic live region", str(live))
    described = [n for n in ax if n["description"] == "Definición"]
    check(len(described) == 1 and described[0]["name"] == "",
          "the definition area is described as Definición, with no name while it is empty", str(described))
    hidden = d.execute_script("const r = document.querySelector('[aria-live]').getBoundingClientRect();"
                              "return r.width <= 1 && r.height <= 1")
    check(hidden, "the live region takes no room on screen")

    # csn and Enter with real keys: the definition shown and read out; the
    # row shown selected; the focus kept in the box. Enter again reads it
    # again; a text that is no term is read out as not found and leaves the
    # definition on screen. Each a change of the one region's text.
    d.execute_script("""
        window.said = [];
        const region = document.querySelector('[aria-live]');
        new MutationObserver(() => said.push(region.textContent)).observe(region,
            {childList: true, characterData: true, subtree: true});""")
    type_keys(b, "csn")
    ActionChains(d, duration=0).send_keys(Keys.RETURN).perform()
    ax = ax_nodes(b)
    texts = [n["name"] for n in ax if n["role"] == "StaticText" and n["name"] == CSN]
    check(len(texts) == 2, "the definition of CSN is shown and in the live region", str(texts))
    selected = [n["name"] for n in ax if n["role"] == "option" and n.get("selected")]
    check(selected == ["CSN"], "the list shows CSN selected", str(selected))
    region = one(ax, "region", CSN)
    check(region is not None and region["description"] == "Definición",
          "the definition area is named by the definition it shows, as on the desktop", str(region))
    box = one(ax, "textbox", "Palabra clave")
    check(box is not None and box.get("focused"), "the focus stayed in the box")
    ActionChains(d, duration=0).send_keys(Keys.RETURN).perform()
    type_keys(b, "x")
    d.find_element(By.ID, "cmdBuscar").click()
    d.execute_async_script("requestAnimationFrame(arguments[0])")
    raw = d.execute_script("return said")
    check(all(a != b for a, b in zip(raw, raw[1:])),
          "the same definition read again is a new text for the reader (a no-break space at its end)")
    said = [t.rstrip("\u00a0") for t in raw]
    check(said == [CSN, CSN, "Término no encontrado."],
          "each lookup changes the region once: the definition, again, then not found", str(said))
    check(d.execute_script("return document.getElementById('lblDescripcion').textContent") == CSN,
          "a term not found leaves the definition on screen")

    # The longest definition fits in the definition area.
    b.reload()
    option = d.find_element(By.ID, "lstLista-44")
    d.execute_script("arguments[0].scrollIntoView({block: 'nearest'})", option)
    ActionChains(d, duration=0).double_click(option).perform()
    d.find_element(By.ID, "cmdBuscar").click()
    fits = d.execute_script("const l = document.getElementById('lblDescripcion');"
                            "return [l.textContent.length, l.scrollHeight <= l.clientHeight]")
    check(fits == [331, True], "the longest definition (331 characters) fits in the definition area", str(fits))


def phone(b):
    d = b.driver
    b.open()
    sizes = d.execute_script("""
        const ids = ['lblBuscar', 'txtBuscar', 'lstLista', 'lblDescripcion', 'cmdBuscar', 'mnuCerrar'];
        const right = Math.max(...ids.map(id => document.getElementById(id).getBoundingClientRect().right));
        const list = document.getElementById('lstLista'), row = list.firstElementChild.getBoundingClientRect();
        return {width: innerWidth, scrollWidth: document.documentElement.scrollWidth, right: right,
                row: row.height, rows: list.clientHeight / row.height,
                font: parseFloat(getComputedStyle(document.getElementById('txtBuscar')).fontSize)};""")
    check(sizes["scrollWidth"] <= sizes["width"] and sizes["right"] <= sizes["width"],
          "on a phone the window fits the screen's width: no sideways scrolling", str(sizes))
    check(sizes["row"] >= 44, "list rows are at least 44 pixels high, for a finger", str(sizes["row"]))
    check(sizes["font"] >= 16, "the box's text is 16 pixels or more (no zoom into it)", str(sizes["font"]))
    # p finds row 35: the list, whole rows of 44 pixels, scrolls it to its
    # bottom row, as the program counts its rows.
    ActionChains(d, duration=0).send_keys("p").perform()
    d.execute_async_script("requestAnimationFrame(() => requestAnimationFrame(arguments[0]))")
    top = d.execute_script("return document.getElementById('lstLista').scrollTop")
    want = (35 - sizes["rows"] + 1) * sizes["row"]
    check(abs(top - want) < 1, "the phone's list scrolls by its own whole rows", f"{top} against {want}")


def rect_of(b, selector, grow=0):
    r = b.driver.execute_script("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                                "return [r.left, r.top, r.width, r.height]", selector)
    return {"x": r[0] - grow, "y": r[1] - grow, "width": r[2] + 2 * grow, "height": r[3] + 2 * grow}


def text_against_ground(b, selector):
    """An element's text against what lies behind it on screen: the element
    taken with its text and again without."""
    rect = rect_of(b, selector)
    shown = b.pixels(rect)
    field = "value" if selector == "#txtBuscar" else "textContent"
    text = b.driver.execute_script("const e = document.querySelector(arguments[0]), t = e[arguments[1]];"
                                   "e[arguments[1]] = ''; return t", selector, field)
    blank = b.pixels(rect)
    b.driver.execute_script("document.querySelector(arguments[0])[arguments[1]] = arguments[2]", selector, field,
                            text)
    return text_contrast(shown, blank)


# The texts a contrast theme must leave readable, the selected row first.
CONTRAST_TEXTS = [("the selected row", '#lstLista [aria-selected="true"]'), ("the definition", "#lblDescripcion"),
                  ("the prompt", "#lblBuscar"), ("the box", "#txtBuscar")]


def contrast_theme(b):
    d = b.driver
    for scheme in ("dark", "light"):
        theme = f"{scheme} contrast theme: "
        b.open(lambda: b.emulate_media(("forced-colors", "active"), ("prefers-color-scheme", scheme)))
        type_keys(b, "csn")
        ActionChains(d, duration=0).send_keys(Keys.RETURN).perform()
        # The focus ring: the box taken with the keyboard focus and without;
        # what changes outside the box is the ring.
        ring_area = rect_of(b, "#txtBuscar", grow=4)
        focused = b.pixels(ring_area)
        d.execute_script("document.activeElement.blur()")
        unfocused = b.pixels(ring_area)
        ring = max([contrast(p, unfocused[y][x]) for y, row in enumerate(focused) for x, p in enumerate(row)
                    if (x < 4 or y < 4 or x >= len(row) - 4 or y >= len(focused) - 4) and p != unfocused[y][x]],
                   default=1)
        check(ring >= 3, theme + "the keyboard focus shows, at 3:1 or more against what lies around it",
              f"{ring:.2f}:1")
        for what, selector in CONTRAST_TEXTS:
            ink, ground, ratio = text_against_ground(b, selector)
            check(ratio >= 4.5, theme + what + "'s text stands out from its ground at 4.5:1 or more",
                  f"{ratio:.2f}:1, {ink} on {ground}")
        # The picture's emblem stood in the client area's top right corner,
        # above the definition.
        client = rect_of(b, ".client")
        corner = b.pixels({"x": client["x"] + client["width"] - 100, "y": client["y"], "width": 100,
                           "height": 75})
        colours = {p for row in corner for p in row}
        check(len(colours) == 1, theme + "no picture: the client area is one colour", f"{len(colours)} colours")

    # More contrast asked for, no forced colours: the borders solid and
    # thicker, the default look otherwise.
    b.open(lambda: b.emulate_media(("prefers-contrast", "more")))
    borders = d.execute_script("""
        return ['txtBuscar', 'lstLista', 'lblDescripcion'].map(id => {
            const s = getComputedStyle(document.getElementById(id));
            return [s.borderTopStyle, parseFloat(s.borderTopWidth)]; });""")
    check(all(style == "solid" and width >= 2 for style, width in borders),
          "more contrast: the box, the list and the definition have solid borders of 2 pixels or more",
          str(borders))


def ending(b):
    d = b.driver
    # A tab the page cannot close (it holds another page before this one):
    # the window goes and a note takes its place.
    d.switch_to.new_window("tab")
    b.tab = d.current_window_handle
    d.get("data:text/html,<p>before</p>")
    d.get(b.url)
    b.wait_started()
    ActionChains(d, duration=0).key_down(Keys.ALT).send_keys("c").key_up(Keys.ALT).perform()
    after = d.execute_script("return [!!document.getElementById('frmLexidor'), "
                             "(document.getElementById('ended') || {}).textContent, document.title]")
    check(not b.tab_gone() and after == [False, "Lexidor se ha cerrado. Puede cerrar esta pestaña.",
                                         "Lexidor de Términos"],
          "Alt+C where the tab cannot close: the window is replaced by the note", str(after))
    d.close()
    # A tab that holds only this page closes, as one opened from a file
    # manager does.
    d.switch_to.window(b.home)
    before = set(d.window_handles)
    b.cdp("Target.createTarget", {"url": b.url})
    b.tab = (set(d.window_handles) - before).pop()
    d.switch_to.window(b.tab)
    b.wait_started()
    d.find_element(By.ID, "mnuCerrar").click()
    check(b.tab_gone(), "Cerrar closes a tab that holds only the page")
    d.switch_to.window(b.home)


for part, options in ((desktop, {"logs": True}), (phone, {"phone": True}), (contrast_theme, {}), (ending, {})):
    browser = Browser(PAGE, PROFILES, **options)
    try:
        part(browser)
    finally:
        browser.quit()

print("page checks: " + (f"{len(failures)} failed" if failures else "all passed"))
sys.exit(1 if failures else 0)
