#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# The web edition as a user and a screen reader meet it, in headless
# Chromium: what the page loads (nothing but itself: no request, no policy
# violation, no console error), the window's layout against the form table
# at a desktop's width and its one-column form on a phone, the accessibility
# tree (names, roles, the live region) before and after a lookup typed with
# real keys, the two ways Cerrar ends the program in a tab, and the page
# under a contrast theme, dark and light (forced colours), and with more
# contrast asked for. And the page without its program (scripts off, on a
# phone's screen) and on paper (the PDF Chromium prints), each against
# docs/glosario.md, which another program writes from the same catalogue.
# usage: check-page.py lexidor.html PROFILE_DIR
import base64
import json
import os
import re
import sys
import zlib

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

# Nothing written beside the sources (no __pycache__ of browser.py).
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from browser import Browser  # noqa: E402
from pixels import contrast, text_contrast  # noqa: E402
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import form_texts  # noqa: E402

PAGE, PROFILES = sys.argv[1], sys.argv[2]
failures = []

# The form table and the catalogue: the controls' places in CSS pixels
# (pixels at 96 dots per inch), their names, the rows.
TEXTS = form_texts.load()
CAPTION, CONTROLS = TEXTS["caption"], TEXTS["controls"]
LAYOUT = {name: tuple(c["rect"]) for name, c in CONTROLS.items()}
ROWS = TEXTS["rows"]
CSN = next(r["definition"] for r in ROWS if r["term"] == "CSN")
FIRST_TERMS = [r["term"] for r in ROWS[:4]]


def check(ok, what, detail=""):
    print(("ok: " if ok else "FAIL: ") + what + (f" ({detail})" if detail else ""))
    if not ok:
        failures.append(what)


def glossary_from_docs():
    """docs/glosario.md's terms with their definitions and the keys of the
    sources each cites, in list order, and the date of the last review."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs", "glosario.md")
    with open(path, encoding="utf-8") as f:
        md = f.read()
    keys = re.findall(r"^- \*\*(.+?)\*\*", md.split("\n## Fuentes\n")[1].split("\n## ")[0], re.M)
    terms = md.split("\n## Términos\n")[1].split("\n## ")[0]
    entries = []
    for term, definition, cited in re.findall(r"### (.+)\n\n(.+)\n\n\*Fuente: (.+)\.\*", terms):
        # "PLABEN, anexo I; Tít. III 2; SNE, entrada ...": the keys, each once.
        cited_keys = []
        for part in cited.split("; "):
            key = part.split(", ")[0]
            if key in keys and key not in cited_keys:
                cited_keys.append(key)
        entries.append((term, definition, cited_keys))
    reviewed = re.search(r"Contenido revisado por última vez: (.+?)\.", md).group(1)
    return entries, reviewed


def pdf_text(data):
    """The text of a PDF as Chromium (Skia) writes it: each font's glyph
    codes through its ToUnicode map, a line per text object."""
    objects = {int(n): body for n, body in re.findall(rb"(?s)(\d+) 0 obj\s*(.*?)\s*endobj", data)}

    def stream(n):
        body = objects[n]
        m = re.search(rb"(?s)stream\r?\n(.*?)\r?\nendstream", body)
        return zlib.decompress(m.group(1)) if b"/FlateDecode" in body[:m.start()] else m.group(1)

    def deref(value):
        m = re.fullmatch(rb"\s*(\d+) 0 R\s*", value)
        return objects[int(m.group(1))] if m else value

    def to_unicode(n):
        out, text = {}, stream(n)
        for block in re.findall(rb"(?s)beginbfchar(.*?)endbfchar", text):
            for src, dst in re.findall(rb"<([0-9A-Fa-f]+)>\s*<([0-9A-Fa-f]+)>", block):
                out[int(src, 16)] = bytes.fromhex(dst.decode()).decode("utf-16-be")
        for block in re.findall(rb"(?s)beginbfrange(.*?)endbfrange", text):
            for lo, hi, dst in re.findall(rb"<([0-9A-Fa-f]+)>\s*<([0-9A-Fa-f]+)>\s*<([0-9A-Fa-f]+)>", block):
                for i, code in enumerate(range(int(lo, 16), int(hi, 16) + 1)):
                    out[code] = chr(int(dst, 16) + i)
        return out

    lines = []
    for page in (body for _, body in sorted(objects.items()) if re.search(rb"/Type\s*/Page\b", body)):
        resources = deref(re.search(rb"(?s)/Resources\s*(\d+ 0 R|<<.*>>)", page).group(1))
        fonts = {}
        for name, ref in re.findall(rb"/(\w+)\s+(\d+) 0 R",
                                    deref(re.search(rb"(?s)/Font\s*(\d+ 0 R|<<.*?>>)", resources).group(1))):
            cmap = re.search(rb"/ToUnicode\s+(\d+) 0 R", objects[int(ref)])
            fonts[name] = to_unicode(int(cmap.group(1))) if cmap else {}
        font = {}
        for ref in re.findall(rb"(\d+) 0 R", re.search(rb"(?s)/Contents\s*(\[.*?\]|\d+ 0 R)", page).group(1)):
            for name, glyphs, begin in re.findall(rb"/(\w+)\s+[\d.]+\s+Tf|<([0-9A-Fa-f]*)>|(BT)", stream(int(ref))):
                if name:
                    font = fonts.get(name, {})
                elif begin:
                    lines.append("")
                elif lines:
                    codes = glyphs.decode()
                    lines[-1] += "".join(font.get(int(codes[i:i + 4], 16), "") for i in range(0, len(codes), 4))
    return "\n".join(lines)


def squeezed(text):
    """Text with no white space: lines break where the printer wraps them."""
    return re.sub(r"\s+", "", text)


def in_order(haystack, needles):
    """The needles not found in haystack one after the other."""
    missing, at = [], 0
    for needle in needles:
        found = haystack.find(needle, at)
        if found < 0:
            missing.append(needle)
        else:
            at = found + len(needle)
    return missing


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
    size = os.path.getsize(PAGE)
    check(size < 400 * 1024, "the page is one file under 400 KB", f"{size} bytes")
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
    check(one(ax, "RootWebArea", CAPTION) is not None, "the page is named by the caption")
    check(one(ax, "heading", CAPTION) is not None, "the caption is the page's heading")
    box = one(ax, "textbox", CONTROLS["txtBuscar"]["name"])
    check(box is not None and box.get("focused"), "the search box is named by the form and has the focus")
    check(box is not None and "activedescendant" not in box, "the box names no list row while typing")
    check(one(ax, "StaticText", CONTROLS["lblBuscar"]["text"]) is not None, "the prompt is read")
    listbox = one(ax, "listbox", CONTROLS["lstLista"]["name"])
    options = [n for n in ax if n["role"] == "option"]
    check(listbox is not None and len(options) == 61 and [o["name"] for o in options[:4]] == FIRST_TERMS,
          "the list is a listbox named by the form with the 61 terms as options", f"{len(options)} options")
    check(not any(o.get("selected") for o in options), "no row is selected at start")
    check(one(ax, "button", CONTROLS["cmdBuscar"]["name"]) is not None, "the button is named by the form")
    menu = one(ax, "menuitem", "Cerrar")
    check(one(ax, "menubar") is not None and menu is not None and menu.get("keyshortcuts") == "Alt+C",
          "Cerrar is a menu item with the shortcut Alt+C")
    live = [n for n in ax if n.get("live") not in (None, "off")]
    check(len(live) == 1 and live[0]["role"] == "status" and live[0]["live"] == "polite"
          and live[0].get("atomic") is True, "one polite, atomic live region", str(live))
    described = [n for n in ax if n["description"] == CONTROLS["lblDescripcion"]["description"]]
    check(len(described) == 1 and described[0]["name"] == "",
          "the definition area has the form's description, with no name while it is empty", str(described))
    entries, _ = glossary_from_docs()
    definitions = {definition for _, definition, _ in entries}
    heard = [n["name"] for n in ax if n["name"] in definitions or n["name"] == "Glosario de emergencia nuclear"]
    check(d.execute_script("return document.getElementById('glosario').hidden") and not heard
          and d.execute_script("return document.querySelectorAll('main').length") == 1,
          "with the program running, the glossary is hidden and nothing of it is read; one window", str(heard[:2]))
    # The window painted before the program ran is the one it builds: the
    # same elements and attributes (the program's places are set as styles).
    with open(PAGE, encoding="utf-8") as f:
        painted = re.search(r"(?s)<main id=\"frmLexidor\".*?</main>", f.read()).group(0)
    live = re.sub(r' style="[^"]*"', "", d.execute_script("return document.getElementById('frmLexidor').outerHTML"))
    check(live == painted, "the window painted before the program runs is the program's window",
          next((f"{painted[i - 40:i + 40]!r} against {live[i - 40:i + 40]!r}"
                for i in range(min(len(live), len(painted))) if live[i] != painted[i]), ""))
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
    check(region is not None and region["description"] == CONTROLS["lblDescripcion"]["description"],
          "the definition area is named by the definition it shows, as on the desktop", str(region))
    box = one(ax, "textbox", CONTROLS["txtBuscar"]["name"])
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


def without_script(b):
    """Opened where scripts do not run (a mail preview, a phone's quick
    look): the glossary, readable on a phone's screen."""
    d = b.driver
    d.switch_to.new_window("tab")
    b.tab = d.current_window_handle
    b.cdp("Emulation.setDeviceMetricsOverride", {"width": 320, "height": 640, "deviceScaleFactor": 2, "mobile": True})
    b.cdp("Emulation.setScriptExecutionDisabled", {"value": True})
    d.get(b.url)
    page = d.execute_script("""
        const shown = id => { const e = document.getElementById(id); return !!e && e.getClientRects().length > 0; };
        const g = document.getElementById('glosario');
        return {window: shown('frmLexidor'), text: document.body.innerText,
                terms: [...g.querySelectorAll('.entry dt')].map(e => e.textContent),
                cited: [...g.querySelectorAll('.entry .cited')].map(e => e.textContent),
                width: innerWidth, scrollWidth: document.documentElement.scrollWidth,
                font: parseFloat(getComputedStyle(g.querySelector('dd')).fontSize)};""")
    entries, reviewed = glossary_from_docs()
    check(not page["window"], "without scripts the window, which would do nothing, is not shown")
    check(page["terms"] == [term for term, _, _ in entries], "without scripts the 61 terms are shown in list order",
          f"{len(page['terms'])} terms")
    missing = in_order(page["text"], [definition for _, definition, _ in entries])
    check(not missing, "without scripts every definition is shown, in list order", "; ".join(missing)[:120])
    check(page["cited"] == ["Fuentes: " + ", ".join(keys) + "." for _, _, keys in entries]
          and f"Contenido revisado por última vez: {reviewed}." in page["text"],
          "each term names its sources, and the page the date of the last review", str(page["cited"][:2]))
    check(page["scrollWidth"] <= page["width"] and page["font"] >= 16,
          "the glossary fits a 320-pixel phone screen, in text of 16 pixels or more",
          str({key: page[key] for key in ("width", "scrollWidth", "font")}))
    d.close()
    d.switch_to.window(b.home)


def printed(b):
    """Printed (Chromium's printToPDF, A4) with the program running: the
    glossary, not the window."""
    b.open()
    pdf = b.cdp("Page.printToPDF", {"paperWidth": 8.27, "paperHeight": 11.69})
    text = pdf_text(base64.b64decode(pdf["data"]))
    entries, reviewed = glossary_from_docs()
    flat = squeezed(text)
    missing = in_order(flat, [squeezed(f"{term} {definition} Fuentes: {', '.join(keys)}.")
                              for term, definition, keys in entries])
    check(text and not missing, "the printed page holds every term with its definition and sources, in order",
          "; ".join(missing)[:160])
    check(squeezed(f"revisado por última vez: {reviewed}") in flat, "the printed page gives the date of the last review")
    check(CONTROLS["lblBuscar"]["text"] not in text, "the window is not printed")


def typed_before_start(b):
    """Text typed into the box before the program runs (the box has the
    focus from the page's start) is kept, and the list follows it."""
    d = b.driver
    # Where the focus is in the first frame: told to this observer before
    # the program's own, which starts the program only after it.
    b.open(lambda: b.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": """
        new PerformanceObserver((list, observer) => {
            if (!list.getEntriesByName('first-contentful-paint').length)
                return;
            observer.disconnect();
            window.focusedAtFirstPaint = [...document.querySelectorAll('[autofocus]')].map(e => e.id)
                .concat(document.activeElement ? document.activeElement.id : '');
        }).observe({type: 'paint', buffered: true});
        document.addEventListener('DOMContentLoaded', () => {
            document.getElementById('txtBuscar').value = 'csn';
        });"""}))
    after = d.execute_script("""return [window.focusedAtFirstPaint, document.getElementById('txtBuscar').value,
        [...document.querySelectorAll('#lstLista [aria-selected="true"]')].map(e => e.textContent)]""")
    check(after == [["txtBuscar", "txtBuscar"], "csn", ["CSN"]],
          "typed before the program runs: the text kept in the box, the one element focused in the first frame,"
          " and CSN selected",
          str(after))


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
                                         CAPTION],
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


for part, options in ((desktop, {"logs": True}), (phone, {"phone": True}), (contrast_theme, {}),
                      (without_script, {}), (printed, {}), (typed_before_start, {}), (ending, {})):
    browser = Browser(PAGE, PROFILES, **options)
    try:
        part(browser)
    finally:
        browser.quit()

print("page checks: " + (f"{len(failures)} failed" if failures else "all passed"))
sys.exit(1 if failures else 0)
