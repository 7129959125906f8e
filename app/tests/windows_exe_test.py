#!/usr/bin/env python3
"""Checks ritmolis.exe as Windows will see it: it imports only DLLs that every
Windows 10 and 11 ships (API sets, and the system DLLs listed below), so that
no DLL of Qt, of the compiler or of a redistributable runtime has to lie beside
it; it runs in the GUI
subsystem (no console window); it allows address-space randomisation (dynamic
base, high-entropy addresses) and no-execute memory, and carries no link time;
its version record, in Lithuanian, and its icon are the program's own; its
manifest runs it as invoker, on Windows 10 and 11, aware of each monitor's DPI.
Usage: windows_exe_test.py RITMOLIS.EXE ICON.ico"""
import re
import struct
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

exe, icon = sys.argv[1:3]
# System DLLs of every Windows 10 and 11, in System32: those that the program
# imports today, built on Qt 6.4 or 6.8 (6.8 adds d3d12, mpr and setupapi;
# printing the sheet adds winspool.drv, the print spooler).
# Wine provides far more (msvcp140, vcruntime140, d3dx9 …) that
# a Windows has only once an application or a runtime installs them.
WINDOWS_DLLS = {
    "advapi32.dll", "authz.dll", "comdlg32.dll", "d3d11.dll", "d3d12.dll", "d3d9.dll", "dwmapi.dll", "dxgi.dll",
    "gdi32.dll", "imm32.dll", "kernel32.dll", "mpr.dll", "msvcrt.dll", "netapi32.dll", "ole32.dll", "oleaut32.dll",
    "setupapi.dll", "shcore.dll", "shell32.dll", "shlwapi.dll", "user32.dll", "userenv.dll", "uxtheme.dll",
    "version.dll", "winmm.dll", "winspool.drv", "ws2_32.dll", "wtsapi32.dll",
}
failures = []

headers = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", exe], capture_output=True, text=True,
                         check=True).stdout
dlls = [line.split(":", 1)[1].strip() for line in headers.splitlines() if "DLL Name:" in line]
print("imports:", " ".join(dlls))
failures += [f"imports {dll}, not a DLL that Windows 10 and 11 ship" for dll in dlls
             if not dll.lower().startswith(("api-ms-win-", "ext-ms-win-")) and dll.lower() not in WINDOWS_DLLS]
if not dlls:
    failures.append("no imported DLL found")
if "(Windows GUI)" not in headers:
    failures.append("not in the Windows GUI subsystem")
flags = re.search(r"^DllCharacteristics\s+[0-9a-f]+\n((?:\t+[A-Z_]+\n)*)", headers, re.MULTILINE)
flags = set(flags.group(1).split()) if flags else set()
print("DLL characteristics:", " ".join(sorted(flags)))
failures += [f"{flag} is not set" for flag in ("DYNAMIC_BASE", "HIGH_ENTROPY_VA", "NX_COMPAT") if flag not in flags]
# Two links of the same sources give the same bytes only without the time of
# linking: the COFF header's TimeDateStamp, after the "PE" signature that the
# DOS header points to, is 0.
with open(exe, "rb") as program:
    start = program.read(4096)
(pe,) = struct.unpack_from("<I", start, 0x3C)
signature, _, _, link_time = struct.unpack_from("<4sHHI", start, pe)
print("link time:", link_time)
if signature != b"PE\0\0":
    failures.append("no PE signature where the DOS header points")
elif link_time != 0:
    failures.append(f"the header carries the time of linking, {link_time}")


def resource(kind):
    return subprocess.run(["wrestool", "-x", "--raw", f"--type={kind}", exe], capture_output=True,
                          check=True).stdout


def blocks(data, start, end):
    """The children of a version-record block: (key, value bytes, children's start, end)."""
    while start + 6 <= end:
        length, value_length, text = struct.unpack_from("<HHH", data, start)
        key_end = start + 6
        while data[key_end:key_end + 2] != b"\0\0":
            key_end += 2
        key = data[start + 6:key_end].decode("utf-16-le")
        value_start = (key_end + 2 + 3) & ~3
        value_size = value_length * 2 if text else value_length
        yield key, data[value_start:value_start + value_size], (value_start + value_size + 3) & ~3, start + length
        start = (start + length + 3) & ~3


record = resource(16)
[(root, fixed, children, end)] = list(blocks(record, 0, len(record)))
signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)


def version(ms, ls):
    return f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"


strings = {}
for key, _, table_start, table_end in blocks(record, children, end):
    if key == "StringFileInfo":
        for language, _, string_start, string_end in blocks(record, table_start, table_end):
            for name, value, _, _ in blocks(record, string_start, string_end):
                strings[(language, name)] = value.decode("utf-16-le").rstrip("\0")
print("version record:", version(file_ms, file_ls), version(product_ms, product_ls), strings)

expected = {
    "FileDescription": "skaičiuojam varžas",
    "FileVersion": "1.00",
    "ProductVersion": "1.00",
    "ProductName": "Ritmolis",
    "InternalName": "Ritmolis",
}
if root != "VS_VERSION_INFO" or signature != 0xFEEF04BD:
    failures.append("no version record")
if (version(file_ms, file_ls), version(product_ms, product_ls)) != ("1.0.0.0", "1.0.0.0"):
    failures.append("file and product version are not 1.0.0.0")
for name, value in expected.items():
    if strings.get(("042704B0", name)) != value:
        failures.append(f"{name} is {strings.get(('042704B0', name))!r}, not {value!r}")

# Every resource in Lithuanian, 0x0427 (1063).
listing = subprocess.run(["wrestool", "-l", exe], capture_output=True, text=True, check=True).stdout
languages = {kind: language for kind, language in re.findall(r"--type=(\d+) .*--language=(\d+)", listing)}
print("resource languages:", languages)
failures += [f"resource type {kind} is in language {language}, not 1063"
             for kind, language in languages.items() if language != "1063"]
if "16" not in languages:
    failures.append("no version record among the resources")

# The manifest.
manifest = ElementTree.fromstring(resource(24))
names = {"v1": "urn:schemas-microsoft-com:asm.v1", "v3": "urn:schemas-microsoft-com:asm.v3",
         "compatibility": "urn:schemas-microsoft-com:compatibility.v1",
         "dpi2016": "http://schemas.microsoft.com/SMI/2016/WindowsSettings"}
level = manifest.find(".//v3:requestedExecutionLevel", names)
systems = {os_.get("Id") for os_ in manifest.findall(".//compatibility:supportedOS", names)}
awareness = manifest.findtext(".//dpi2016:dpiAwareness", None, names)
print("manifest:", None if level is None else level.get("level"), systems, awareness)
if level is None or level.get("level") != "asInvoker":
    failures.append("the manifest does not run it as invoker")
if "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}" not in systems:
    failures.append("the manifest does not declare Windows 10 and 11")
if awareness != "PerMonitorV2":
    failures.append(f"the manifest's DPI awareness is {awareness!r}, not 'PerMonitorV2'")

# The icon: the .ico file's one picture is the .exe's.
with open(icon, "rb") as own:
    ico = own.read()
(pictures,) = struct.unpack_from("<H", ico, 4)
size, offset = struct.unpack_from("<II", ico, 6 + 8)
if pictures != 1 or resource(3) != ico[offset:offset + size]:
    failures.append(f"its icon is not {icon}")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
