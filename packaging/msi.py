#!/usr/bin/python3
"""Builds the Windows installer, ritmolis-VERSION-windows-x64.msi, from
packaging/ritmolis.wxs with wixl, and makes it reproducible: the same inputs
give the same bytes, in any folder and at any time.

- The product code is a name-based UUID of the version (each version is a new
  product, which replaces the older ones: a major upgrade); the package code is
  one of the version and of every input's bytes. The upgrade code is fixed in
  ritmolis.wxs.
- The files go into the cabinet with the time of SOURCE_DATE_EPOCH, or else of
  the release date given; the summary information's "created" and "last saved"
  are set to it too (wixl writes the current time there, and a random package
  code).
- wixl 0.101 crashes on a letter beyond ASCII in a table's text and writes no
  code page: the database is given the Baltic code page (1257) and the
  shortcut its description afterwards.
- ARPSIZE, the size of the installed files in kilobytes, for the entry under
  Settings, Apps.

- The files it installs are those given, the program first: ritmolis.wxs
  holds a mark where their File elements are written in.

CMake runs it (the target `msi` of a Windows build); the installer test runs it
again to make a newer version. Debian's python3, for the bindings of libmsi
(gir1.2-libmsi-1.0, python3-gi).

Usage: msi.py --version 1.0.0 --description TEXT --vendor TEXT --release-date YYYY-MM-DD
              --icon ritmolis.ico --output OUT.msi ritmolis.exe FILE..."""
import argparse
import datetime
import hashlib
import os
import pathlib
import shutil
import subprocess
import tempfile
import uuid

import gi

gi.require_version("Libmsi", "1.0")
from gi.repository import Libmsi  # noqa: E402

# The namespace of the product and package codes: never change it.
NAMESPACE = uuid.UUID("FBB55013-63D4-4DB7-85D4-BC2297EC0C1F")
WXS = pathlib.Path(__file__).with_name("ritmolis.wxs")
# Windows' file times count 100 ns from 1601-01-01.
FILETIME_1970 = 11644473600 * 10**7

parser = argparse.ArgumentParser()
for option in ("version", "description", "vendor", "release-date", "icon", "output"):
    parser.add_argument("--" + option, required=True)
parser.add_argument("files", nargs="+", help="the program, then the files installed beside it")
args = parser.parse_args()

if "SOURCE_DATE_EPOCH" in os.environ:
    epoch = int(os.environ["SOURCE_DATE_EPOCH"])
else:
    epoch = int(datetime.datetime.fromisoformat(args.release_date + "T12:00:00+00:00").timestamp())
installed = {os.path.basename(path): path for path in args.files}
if next(iter(installed)) != "ritmolis.exe" or len(installed) != len(args.files):
    parser.error("the files are the program, ritmolis.exe, then others of other names")
inputs = {**installed, "ritmolis.ico": args.icon}

digest = hashlib.sha256(f"{args.version}\0{args.description}\0{args.vendor}\0".encode())
digest.update(WXS.read_bytes())
for name, path in inputs.items():
    digest.update(name.encode() + b"\0" + pathlib.Path(path).read_bytes())
product_code = str(uuid.uuid5(NAMESPACE, "product " + args.version)).upper()
package_code = "{" + str(uuid.uuid5(NAMESPACE, "package " + digest.hexdigest())).upper() + "}"

output = pathlib.Path(args.output).resolve()
with tempfile.TemporaryDirectory() as work:
    # wixl finds the sources by name in the folder it runs in.
    for name, path in inputs.items():
        shutil.copyfile(path, os.path.join(work, name))
        os.utime(os.path.join(work, name), (epoch, epoch))
    # The program is the component's key: its File element says so.
    key = ' KeyPath="yes"'
    files = "\n".join(f'            <File Id="{name}" Name="{name}" Source="{name}"{key if i == 0 else ""}/>'
                      for i, name in enumerate(installed))
    wxs = WXS.read_text(encoding="utf-8").replace("            <!-- {{{ FILES }}} -->", files)
    pathlib.Path(work, "ritmolis.wxs").write_text(wxs, encoding="utf-8")
    built = os.path.join(work, "ritmolis.msi")
    subprocess.run(["wixl", "--arch", "x64", "--define", f"Version={args.version}", "--define", f"Vendor={args.vendor}",
                    "--define", f"ProductCode={product_code}", "--output", built, "ritmolis.wxs"],
                   cwd=work, check=True)

    db = Libmsi.Database.new(built, Libmsi.DbFlags.TRANSACT, None)
    codepage = os.path.join(work, "_ForceCodepage.idt")
    with open(codepage, "w", newline="\r\n") as idt:
        idt.write("\n\n1257\t_ForceCodepage\n")
    db.import_(codepage)

    def sql(query, *values):
        record = Libmsi.Record.new(len(values)) if values else None
        for field, value in enumerate(values, 1):
            record.set_string(field, value)
        Libmsi.Query.new(db, query).execute(record)

    sql("UPDATE `Shortcut` SET `Description` = ? WHERE `Shortcut` = 'StartMenu'", args.description)
    size = sum(os.path.getsize(path) for path in installed.values())
    sql("INSERT INTO `Property` (`Property`, `Value`) VALUES ('ARPSIZE', ?)", str(-(-size // 1024)))

    summary = Libmsi.SummaryInfo.new(db, 8)
    summary.set_string(Libmsi.Property.UUID, package_code)
    summary.set_string(Libmsi.Property.TEMPLATE, "x64;1063")  # 64-bit, Lithuanian
    for when in (Libmsi.Property.CREATED_TM, Libmsi.Property.LASTSAVED_TM):
        summary.set_filetime(when, epoch * 10**7 + FILETIME_1970)
    summary.persist()
    db.commit()
    del db
    shutil.move(built, output)
print(f"{output}: product code {{{product_code}}}, package code {package_code}")
