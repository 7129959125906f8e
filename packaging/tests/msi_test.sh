#!/usr/bin/env bash
# The Windows installer under Wine, in a Wine prefix of its own made by
# scripts/wine-run:
#  1. per user (no properties): the files under the user's own programs folder,
#     the Start-menu shortcut, the entry among the installed programs with its
#     icon and size; the program started from where the shortcut points makes
#     the end-to-end request (window/tests/end_to_end.sh); installing it again
#     adds no entry; uninstalling leaves no trace.
#  2. per machine (ALLUSERS=1): the same files under Program Files; then a
#     1.0.1 built here from the same files (packaging/msi.py) upgrades it in
#     place, leaving one entry; the 1.0.0 over it is refused, its box showing
#     the package's message;
#     uninstalling leaves no trace.
# Needs an X display (scripts/with-display) for the end-to-end request.
# Usage: msi_test.sh ritmolis-1.0.0-windows-x64.msi ARTIFACTS-FOLDER
set -euo pipefail
msi=$(realpath "$1")
artifacts=$(mkdir -p "$2" && realpath "$2")
project=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
export WINEPREFIX=$work/wine
trap 'WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
started=$(date +%s)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
check() { # check WHAT EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then echo "ok: $1 = $3"; else fail "$1 is '$3', not '$2'"; fi
}
wine_() { "$project/scripts/wine-run" "$WINEPREFIX" "$@"; }
windows_path() { wine_ winepath -w "$1" 2>/dev/null | tr -d '\r'; }
# msiexec ARGS...: its status, with Wine's processes ended before going on.
msiexec() {
    local status=0
    wine_ msiexec "$@" /qn "/l*v" "$log" || status=$?
    wineserver -w
    return $status
}
# A registry value's data, or nothing.
value() { wine_ reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^    $2    REG_[A-Z_]*    //p"; }
property() { msiinfo export "$1" Property | tr -d '\r' | awk -F'\t' -v name="$2" '$1 == name { print $2 }'; }
# A GUID as Windows Installer writes it in the names of its registry keys.
packed() {
    local hex=${1//[\{\}-]/} out part
    for part in "${hex:0:8}" "${hex:8:4}" "${hex:12:4}" "${hex:16:2}" "${hex:18:2}" "${hex:20:2}" "${hex:22:2}" \
                "${hex:24:2}" "${hex:26:2}" "${hex:28:2}" "${hex:30:2}"; do
        out+=$(rev <<<"$part")
    done
    echo "$out"
}
uninstall=HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall
# The entries named Ritmolis among the installed programs: "KEY VERSION" each.
entries() {
    local root
    for root in "$uninstall" "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"; do
        wine_ reg query "$root" /s 2>/dev/null | tr -d '\r' | awk '
            /^HKEY_/ { key = $0; name = ""; version = "" }
            $1 == "DisplayName" { name = substr($0, index($0, "REG_SZ") + 10) }
            $1 == "DisplayVersion" { version = substr($0, index($0, "REG_SZ") + 10) }
            /^$/ && name == "Ritmolis" { print key, version; name = "" }
            END { if (name == "Ritmolis") print key, version }'
    done
}

# The files the package holds; from them, the same package at version 1.0.1.
msiextract -C "$work/files" "$msi" >/dev/null
# The shortcut's description, as the installer must carry it (the program's FileDescription).
description="skaičiuojam varžas"
newer=$work/ritmolis-1.0.1-windows-x64.msi
"$project/packaging/msi.py" --version 1.0.1 --description "$description" --release-date 2026-12-08 \
    --exe "$work/files/Ritmolis/ritmolis.exe" --license "$work/files/Ritmolis/LICENSE" \
    --readme "$work/files/Ritmolis/README.txt" --icon "$project/packaging/ritmolis.ico" --output "$newer" >/dev/null
codes=("$(property "$msi" ProductCode)" "$(property "$newer" ProductCode)")
[ "${codes[0]}" != "${codes[1]}" ] || fail "1.0.0 and 1.0.1 have one product code, ${codes[0]}"
size_kb=$(( ($(cat "$work/files/Ritmolis/"* | wc -c) + 1023) / 1024 ))

wine_ cmd /c exit 0  # makes the prefix
wineserver -w
drive_c=$WINEPREFIX/drive_c
log=$(windows_path "$work/msiexec.log")
local_appdata=$(wine_ cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
(cd "$drive_c" && find . | sort) >"$work/before.txt"

# installed FOLDER VERSION PRODUCTS-KEY: the files, the shortcut, the entry.
installed() {
    local folder=$1 version=$2 products=$3 name
    for name in ritmolis.exe LICENSE README.txt; do
        cmp -s "$work/files/Ritmolis/$name" "$folder/$name" || fail "$folder/$name is not the package's $name"
    done
    check "files in $(windows_path "$folder")" "LICENSE README.txt ritmolis.exe" "$(ls "$folder" | sort | xargs)"
    mapfile -t links < <(find "$drive_c" -iname 'Ritmolis.lnk')
    check "number of shortcuts" 1 "${#links[@]}"
    shortcut=${links[0]:-}
    target=$(strings -n 8 "$shortcut" | grep -ix 'c:\\.*\\ritmolis\.exe' | head -n1 || true)
    check "shortcut $(windows_path "$shortcut") points at" "$(windows_path "$folder/ritmolis.exe")" "$target"
    DESCRIPTION=$description python3 -c '
import os, sys
sys.exit(os.environ["DESCRIPTION"].encode("utf-16-le") not in open(sys.argv[1], "rb").read())' "$shortcut" &&
        echo "ok: shortcut's description = $description" || fail "the shortcut's description is not '$description'"

    mapfile -t found < <(entries)
    check "entries named Ritmolis" 1 "${#found[@]}"
    local key=${found[0]%% *}
    check "entry's DisplayVersion" "$version" "${found[0]#* }"
    check "entry's Publisher" "The Ritmolis developers" "$(value "$key" Publisher)"
    check "entry's Size (kB, ARPSIZE; Wine writes EstimatedSize 0)" "$size_kb" "$(value "$key" Size)"
    # The entry's icon: Windows Installer's record of the product (ARPPRODUCTICON).
    local icon
    icon=$(wine_ reg query "$products" /s 2>/dev/null | tr -d '\r' | sed -n 's/^    ProductIcon    REG_SZ    //p')
    [ -n "$icon" ] && cmp -s "$project/packaging/ritmolis.ico" "$(wine_ winepath -u "$icon" 2>/dev/null | tr -d '\r')" &&
        echo "ok: product icon $icon is the chip" || fail "no product icon under $products, or not the chip: '$icon'"
}

# Nothing of ours after an uninstall: no new file (only empty folders that the
# installer service keeps), no registry key or value naming the product.
no_trace() {
    local path leftovers=0 pattern
    while read -r path; do
        if [ ! -d "$drive_c/$path" ] || [ -n "$(ls -A "$drive_c/$path")" ] || [[ ${path,,} == *ritmolis* ]]; then
            fail "left behind: $path"
            leftovers=1
        fi
    done < <((cd "$drive_c" && find . | sort) | comm -13 "$work/before.txt" -)
    pattern="ritmolis"
    for code in "${codes[@]}"; do pattern+="|${code//[\{\}]/}|$(packed "$code")"; done
    # grep: 0 found, 1 not found, 2 could not read (no registry file).
    local status=0
    grep -iEn "$pattern" "$WINEPREFIX"/*.reg || status=$?
    case $status in
        0) fail "registry keys or values left behind (above)" ;;
        1) ;;
        *) fail "could not read the prefix's registry files ($WINEPREFIX/*.reg)" ;;
    esac
    [ $status -eq 1 ] || leftovers=1
    [ $leftovers -ne 0 ] || echo "ok: no file, folder, shortcut or registry value left"
}

echo "== per user: msiexec /i $(basename "$msi") /qn"
msiexec /i "$(windows_path "$msi")" || fail "the per-user install ended with status $?"
installed "$(wine_ winepath -u "$local_appdata\\Programs\\Ritmolis" 2>/dev/null | tr -d '\r')" 1.0.0 'HKCU\Software\Microsoft\Installer\Products'
echo "== the end-to-end request from $target"
"$project/window/tests/end_to_end.sh" "$artifacts/installed-window.png" "$project/scripts/wine-run" "$WINEPREFIX" \
    "$target" || fail "the end-to-end request from the installed program"
echo "== per user, the same version again"
msiexec /i "$(windows_path "$msi")" || fail "installing the same version again ended with status $?"
mapfile -t found < <(entries)
check "entries after installing the same version again" 1 "${#found[@]}"
echo "== per user: msiexec /x /qn"
msiexec /x "$(windows_path "$msi")" || fail "the per-user uninstall ended with status $?"
no_trace

echo "== per machine: msiexec /i $(basename "$msi") ALLUSERS=1 /qn"
msiexec /i "$(windows_path "$msi")" ALLUSERS=1 || fail "the per-machine install ended with status $?"
installed "$drive_c/Program Files/Ritmolis" 1.0.0 'HKLM\Software\Classes\Installer\Products'
echo "== per machine: the upgrade to 1.0.1"
msiexec /i "$(windows_path "$newer")" ALLUSERS=1 || fail "the upgrade ended with status $?"
installed "$drive_c/Program Files/Ritmolis" 1.0.1 'HKLM\Software\Classes\Installer\Products'
echo "== per machine: 1.0.0 over 1.0.1, with the basic interface (/qb)"
# The refusal as a user meets it: a box with the package's message, closed by
# Return. Wine logs no launch condition's message, but its trace of message
# boxes (the debug channel msgbox) gives the text a box shows.
refusal="A newer version of Ritmolis is already installed. To install this older version, uninstall the newer one first."
WINEDEBUG=trace+msgbox wine msiexec /i "$(windows_path "$msi")" ALLUSERS=1 /qb "/l*v" "$log" 2>"$work/msgbox.log" &
installer=$!
box=$(timeout 60 xdotool search --sync --onlyvisible --name '^Install Failed$' | head -n1 || true)
[ -z "$box" ] || xdotool windowactivate --sync "$box" key Return
status=0
wait $installer || status=$?
wineserver -w
# 1603, "fatal error during installation" (an exit status keeps its low 8 bits).
check "status of msiexec" $((1603 % 256)) $status
check "the box of the refusal" "$refusal" \
    "$(tr -d '\r' <"$work/msgbox.log" | sed -n '/trace:msgbox:MSGBOX_OnInit L"/{s/^.*MSGBOX_OnInit L"\(.*\)"$/\1/p;q}')"
grep -qaF "WIX_DOWNGRADE_DETECTED = ${codes[1]}" "$work/msiexec.log" &&
    echo "ok: the installer found the newer version, ${codes[1]}" || fail "the log names no newer version"
mapfile -t found < <(entries)
check "entries after the refused downgrade" "1" "${#found[@]}"
check "version after the refused downgrade" "1.0.1" "${found[0]#* }"
[ -f "$drive_c/Program Files/Ritmolis/ritmolis.exe" ] || fail "the refused downgrade removed the program"
echo "== per machine: msiexec /x ALLUSERS=1 /qn"
msiexec /x "$(windows_path "$newer")" ALLUSERS=1 || fail "the per-machine uninstall ended with status $?"
no_trace

echo "$failures failure(s), in $(($(date +%s) - started)) s"
[ $failures -eq 0 ]
