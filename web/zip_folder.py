#!/usr/bin/env python3
"""Writes FOLDER.zip beside FOLDER (the page's folder for a web host): its
files as entries FOLDER/NAME, in name order, each with the time
SOURCE_DATE_EPOCH gives and the same permissions, so that two builds of one
commit give the same bytes.

Usage: zip_folder.py FOLDER
"""
import os
import sys
import time
import zipfile


def main():
    folder = sys.argv[1].rstrip("/")
    when = time.gmtime(int(os.environ["SOURCE_DATE_EPOCH"]))[:6]
    with zipfile.ZipFile(folder + ".zip", "w") as archive:
        for name in sorted(os.listdir(folder)):
            entry = zipfile.ZipInfo(f"{os.path.basename(folder)}/{name}", date_time=when)
            entry.external_attr = 0o644 << 16
            with open(os.path.join(folder, name), "rb") as file:
                archive.writestr(entry, file.read(), compress_type=zipfile.ZIP_DEFLATED, compresslevel=9)


if __name__ == "__main__":
    main()
