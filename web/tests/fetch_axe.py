#!/usr/bin/python3
"""Fetches axe-core's script from the npm registry, once: the package of the
given version, checked against the registry's own checksum of it (its
"integrity"), over a connection verified against the system's certificate
authorities (ca-certificates), as any fetch; writes its axe.min.js to TARGET.

Usage: fetch_axe.py VERSION INTEGRITY TARGET"""
import base64
import hashlib
import io
import os
import sys
import tarfile
import urllib.request

version, integrity, target = sys.argv[1:]
url = f"https://registry.npmjs.org/axe-core/-/axe-core-{version}.tgz"
with urllib.request.urlopen(url, timeout=120) as response:
    data = response.read()
if "sha512-" + base64.b64encode(hashlib.sha512(data).digest()).decode() != integrity:
    sys.exit(f"fetch_axe.py: {url} does not match its checksum")
with tarfile.open(fileobj=io.BytesIO(data)) as archive, open(target + ".new", "wb") as out:
    out.write(archive.extractfile("package/axe.min.js").read())
os.replace(target + ".new", target)
