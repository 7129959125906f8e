#!/usr/bin/env python3
"""Makes the page, one file: writes the loader (loader.js), with the module
in base64 where it says "@MODULE@", into the page where "{{{ SCRIPT }}}"
stands, then seals it: writes into its head, before anything it allows, a
Content-Security-Policy that lets the page run its own script and style
alone, by their SHA-256, and load nothing at all: no other script, style,
image, font, frame or connection, no inline handler or style attribute, no
eval (WebAssembly is compiled under 'wasm-unsafe-eval'), no <base>, no form
sent anywhere. (The page for a web host, index.html, adds what an installed
app needs from beside it: web/app/app.cmake.)

Usage: make_page.py PAGE.html LOADER.js MODULE.wasm OUT.html"""
import base64
import hashlib
import re
import sys

page_path, loader_path, module_path, out_path = sys.argv[1:]
with open(page_path, encoding="utf-8") as file:
    page = file.read()
with open(loader_path, encoding="utf-8") as file:
    loader = file.read()
with open(module_path, "rb") as file:
    module = base64.b64encode(file.read()).decode()
if loader.count('"@MODULE@"') != 1 or page.count("{{{ SCRIPT }}}") != 1:
    sys.exit(f"{loader_path} needs one \"@MODULE@\" and {page_path} one {{{{{{ SCRIPT }}}}}}")
page = page.replace("{{{ SCRIPT }}}", "<script>\n" + loader.replace('"@MODULE@"', f'"{module}"') + "</script>")
if "Content-Security-Policy" in page:
    sys.exit(f"{page_path} is sealed already")


def hashes(tag):
    bodies = re.findall(rf"<{tag}>(.*?)</{tag}>", page, flags=re.S)
    if not bodies or re.search(rf"<{tag}\s[^>]*>", page):
        sys.exit(f"{page_path}: expected <{tag}> elements without attributes")
    return " ".join(f"'sha256-{base64.b64encode(hashlib.sha256(body.encode()).digest()).decode()}'"
                    for body in bodies)


policy = (f"default-src 'none'; script-src {hashes('script')} 'wasm-unsafe-eval'; style-src {hashes('style')}; "
          "base-uri 'none'; form-action 'none'")
head = '<meta charset="utf-8">\n'
if head not in page:
    sys.exit(f"{page_path}: no {head!r} to put the policy after")
page = page.replace(head, f'{head}<meta http-equiv="Content-Security-Policy" content="{policy}">\n', 1)
with open(out_path, "w", encoding="utf-8") as file:
    file.write(page)
