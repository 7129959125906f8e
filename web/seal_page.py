#!/usr/bin/env python3
"""Seals the page that emscripten has linked: writes into its head, before
anything it allows, a Content-Security-Policy that lets the page run its own
script and style alone, by their SHA-256, and load nothing at all: no other
script, style, image, font, frame or connection, no inline handler or style
attribute, no eval (WebAssembly is compiled under 'wasm-unsafe-eval'), no
<base>, no form sent anywhere. (The page for a web host, index.html, adds
what an installed app needs from beside it: web/app/app.cmake.)

Usage: seal_page.py PAGE.html   (rewritten in place, once)"""
import base64
import hashlib
import re
import sys

path = sys.argv[1]
with open(path, encoding="utf-8") as file:
    page = file.read()
if "Content-Security-Policy" in page:
    sys.exit(f"{path} is sealed already")


def hashes(tag):
    bodies = re.findall(rf"<{tag}>(.*?)</{tag}>", page, flags=re.S)
    if not bodies or re.search(rf"<{tag}\s[^>]*>", page):
        sys.exit(f"{path}: expected <{tag}> elements without attributes")
    return " ".join(f"'sha256-{base64.b64encode(hashlib.sha256(body.encode()).digest()).decode()}'"
                    for body in bodies)


policy = (f"default-src 'none'; script-src {hashes('script')} 'wasm-unsafe-eval'; style-src {hashes('style')}; "
          "base-uri 'none'; form-action 'none'")
head = '<meta charset="utf-8">\n'
if head not in page:
    sys.exit(f"{path}: no {head!r} to put the policy after")
page = page.replace(head, f'{head}<meta http-equiv="Content-Security-Policy" content="{policy}">\n', 1)
with open(path, "w", encoding="utf-8") as file:
    file.write(page)
