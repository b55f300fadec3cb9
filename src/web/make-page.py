#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Writes lexidor.html, the web edition in one file: the template with the
# style sheet (the window's picture as CSS layers, its emblem inlined in
# it), the program's script (its WebAssembly already inlined by
# emscripten), the icon as a data: URI,
# what the page shows before and without its program (the window and the
# glossary, from StaticPage.cpp run by node), and a Content-Security-Policy
# that names the script and the style sheet by their SHA-256 and allows
# nothing else.
import argparse
import base64
import hashlib
import subprocess


def data_uri(path, kind):
    with open(path, "rb") as f:
        return f"data:{kind};base64," + base64.b64encode(f.read()).decode("ascii")


def sha256(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode("ascii") + "'"


def main():
    p = argparse.ArgumentParser()
    for name in ("template", "style", "picture", "emblem", "script", "icon", "output"):
        p.add_argument("--" + name, required=True)
    p.add_argument("--static", nargs=2, required=True, metavar=("NODE", "PROGRAM"))
    a = p.parse_args()

    # The parts the static page program writes, each after "--- NAME".
    parts, name = {}, None
    for line in subprocess.run(a.static, check=True, capture_output=True, encoding="utf-8").stdout.splitlines():
        if line.startswith("--- "):
            name = line[4:]
            parts[name] = []
        elif name:
            parts[name].append(line)
    parts = {key: "\n".join(lines) for key, lines in parts.items()}

    with open(a.template, encoding="utf-8") as f:
        page = f.read()
    # The window's picture from its parts (resources/picture.css), the
    # emblem inlined.
    with open(a.picture, encoding="utf-8") as f:
        style = f.read()
    with open(a.style, encoding="utf-8") as f:
        style += "\n" + f.read().replace("@EMBLEM@", data_uri(a.emblem, "image/png"))
    # The places and colours the program sets on the window's elements, for
    # the window painted before it runs.
    style += "\n/* The window's places and colours from the form table (StaticPage.cpp). */\n" + parts["style"]
    with open(a.script, encoding="utf-8") as f:
        script = f.read()
    # The program starts once the first frame, with the window written at
    # build time, is on the screen: the WebAssembly's compiling and the
    # program's start then take nothing from that frame (on a small machine
    # they would share its processors with the frame's drawing). Where the
    # browser does not report paints, after the first frame; where no frame
    # comes (a tab in the background), after a while. Module stays global:
    # the tests read the type-ahead state through it.
    script = ("""(function () {
var started = false;
function start() {
if (started)
return;
started = true;
""" + script + """
self.Module = Module;
}
function soon() { setTimeout(start, 0); }
if (typeof PerformanceObserver == 'function' && (PerformanceObserver.supportedEntryTypes || []).indexOf('paint') >= 0)
new PerformanceObserver(function (list, observer) {
if (list.getEntriesByName('first-contentful-paint').length) { observer.disconnect(); soon(); }
}).observe({type: 'paint', buffered: true});
else
requestAnimationFrame(soon);
setTimeout(start, 500);
})();
""")
    # An inline script ends at the first "</script" whatever the JavaScript
    # around it means: such a text in the program would cut the page short.
    if "</script" in script.lower() or "</style" in style.lower():
        raise SystemExit("make-page: the script or the style sheet closes its own element")
    with open(a.icon, "rb") as f:
        icon = base64.b64encode(f.read()).decode("ascii")

    csp = "; ".join([
        "default-src 'none'",
        f"script-src {sha256(script)} 'wasm-unsafe-eval'",
        f"style-src {sha256(style)}",
        "img-src data:",
        "base-uri 'none'",
        "form-action 'none'",
    ])
    for key, value in (("@CSP@", csp), ("@TITLE@", parts["title"]), ("@ICON@", icon), ("@STYLE@", style),
                       ("@WINDOW@", parts["window"]), ("@GLOSSARY@", parts["glossary"]), ("@SCRIPT@", script)):
        if page.count(key) != 1:
            raise SystemExit(f"make-page: {key} must stand once in {a.template}")
        head, tail = page.split(key)
        page = head + value + tail
    with open(a.output, "w", encoding="utf-8") as f:
        f.write(page)


main()
