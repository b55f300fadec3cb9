#!/usr/bin/python3
# SPDX-License-Identifier: MIT
# Writes lexidor.html, the web edition in one file: the template with the
# style sheet (the background picture inlined in it), the program's script
# (its WebAssembly already inlined by emscripten), the icon as a data: URI,
# and a Content-Security-Policy that names the script and the style sheet by
# their SHA-256 and allows nothing else.
import argparse
import base64
import hashlib


def data_uri(path, kind):
    with open(path, "rb") as f:
        return f"data:{kind};base64," + base64.b64encode(f.read()).decode("ascii")


def sha256(text):
    return "'sha256-" + base64.b64encode(hashlib.sha256(text.encode("utf-8")).digest()).decode("ascii") + "'"


def main():
    p = argparse.ArgumentParser()
    for name in ("template", "style", "script", "background", "icon", "output"):
        p.add_argument("--" + name, required=True)
    a = p.parse_args()

    with open(a.template, encoding="utf-8") as f:
        page = f.read()
    with open(a.style, encoding="utf-8") as f:
        style = f.read().replace("@BACKGROUND@", data_uri(a.background, "image/jpeg"))
    with open(a.script, encoding="utf-8") as f:
        script = f.read()
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
    for key, value in (("@CSP@", csp), ("@ICON@", icon), ("@STYLE@", style), ("@SCRIPT@", script)):
        if page.count(key) != 1:
            raise SystemExit(f"make-page: {key} must stand once in {a.template}")
        head, tail = page.split(key)
        page = head + value + tail
    with open(a.output, "w", encoding="utf-8") as f:
        f.write(page)


main()
