#!/usr/bin/env bash
# Builds, once per machine, the static Windows Qt that ritmolis.exe and its
# tests link: Debian's own qt6-base source, of the version installed here for
# the Linux build (6.4 on Debian 12, 6.8 on Debian 13: a cross-built Qt needs
# the host's Qt tools of its own version),
# cross-compiled with MinGW-w64 into a minimal, release, static Qt (Core, Gui,
# Widgets, Test; the windows and offscreen platforms; zlib, libpng, HarfBuzz,
# PCRE2 and FreeType bundled; no OpenGL, D-Bus, SQL, network or printing).
#
# It installs into a folder of the cache, named by the Qt version and a digest
# of the options, and does nothing when that folder is complete. Progress goes
# to stderr; the folder is printed on stdout, so that
#     RITMOLIS_WINDOWS_QT=$(scripts/windows-qt.sh) cmake --preset windows
# builds the program against it. The one-time build takes, on two cores, about
# half an hour for Qt 6.4 and 25 minutes for Qt 6.8. The packages it
# needs are those of scripts/packages.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD
cache=${RITMOLIS_CACHE:-/var/cache/ritmolis}
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
toolchain=$project/cmake/x86_64-w64-mingw32.cmake

options=(
    -G Ninja
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_testlib=ON -DFEATURE_accessibility=ON
    -DFEATURE_freetype=ON
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF -DFEATURE_dbus=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF -DFEATURE_direct2d=OFF -DFEATURE_zstd=OFF
    -DFEATURE_icu=OFF -DFEATURE_glib=OFF -DFEATURE_jpeg=OFF -DFEATURE_androiddeployqt=OFF
)
# Qt 6.5 and later can compile their sources in batches (a unity build): Qt 6.8
# then takes 25 minutes instead of 35 on two cores. Qt 6.4 has no such build.
if dpkg --compare-versions "$version" ge 6.5; then
    options+=(-DQT_UNITY_BUILD=ON)
fi
# With direct2d off, the windows platform still asks for the DirectWrite font
# database whenever directwrite3 is on, though that database is built only with
# direct2d, and nothing links: use the GDI font database (Windows' default)
# then. Qt 6.8's base font database also keeps a DirectWrite font file loader
# that exists only with direct2d. Each guard changes only a source that has
# the line it guards.
fix_font_database() {
    local base=$1/src/gui/text/windows/qwindowsfontdatabasebase
    sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
        "$1/src/plugins/platforms/windows/qwindowsintegration.cpp"
    sed -i -z 's/#if QT_CONFIG(directwrite)\n\(    mutable std::unique_ptr<QCustomFontFileLoader>\)/#if QT_CONFIG(directwrite) \&\& QT_CONFIG(direct2d)\n\1/' \
        "${base}_p.h"
    sed -i -z 's/#if QT_CONFIG(directwrite)\n\(    m_fontFileLoader.reset\)/#if QT_CONFIG(directwrite) \&\& QT_CONFIG(direct2d)\n\1/' \
        "$base.cpp"
}

digest=$( { echo "$version"; printf '%s\n' "${options[@]}"; declare -f fix_font_database; cat "$toolchain"; } |
         sha256sum | cut -c1-12)
prefix=$cache/qt-${version%%+*}-mingw-w64-static-$digest
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
say() { echo "windows-qt: $(date +%T) $*" >&2; }
"${sudo[@]}" mkdir -p "$cache"
"${sudo[@]}" chown "$(id -u):$(id -g)" "$cache"
# One build at a time: a second run waits for the first, then finds its Qt.
exec 8>"$prefix.lock"
flock 8
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi
started=$(date +%s)
say "building a static Windows Qt $version into $prefix (once per machine: on 2 cores, about 30 minutes for Qt 6.4, 25 for 6.8)"

# apt-get source needs a source entry beside the binary one.
if ! apt-cache showsrc qt6-base 2>/dev/null | grep -qx "Version: $version"; then
    say "adding Debian's source packages to apt's sources"
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        awk 'BEGIN { RS = ""; ORS = "\n\n" } /(^|\n)Types: deb(\n|$)/ { sub(/Types: deb/, "Types: deb-src"); print }' \
            /etc/apt/sources.list.d/debian.sources | "${sudo[@]}" tee /etc/apt/sources.list.d/ritmolis-deb-src.sources >/dev/null
    else
        sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list |
            "${sudo[@]}" tee /etc/apt/sources.list.d/ritmolis-deb-src.list >/dev/null
    fi
    "${sudo[@]}" apt-get update -qq
fi

work=$cache/work-$digest
rm -rf "$work" "$prefix"
mkdir -p "$work"
say "fetching and unpacking the source"
(cd "$work" && apt-get source -qq "qt6-base=$version" >/dev/null 2>"$work/source.log") ||
    { cat "$work/source.log" >&2; exit 1; }
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
fix_font_database "$source_dir"

say "configuring"
log=$work/build.log
cmake -S "$source_dir" -B "$work/build" "${options[@]}" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefix" >"$log" 2>&1 || { tail -n 40 "$log" >&2; exit 1; }

say "compiling (ninja's steps, every tenth of the way)"
# Ninja writes a line per step: [done/total]; show a tenth of the way at a time.
# (Read line by line in the shell: mawk, Debian's default awk, reads a pipe in
# large blocks and would show nothing for minutes.)
progress() {
    local line tenth=0
    while IFS= read -r line; do
        [[ $line =~ ^\[([0-9]+)/([0-9]+)\] ]] || continue
        if (( BASH_REMATCH[1] * 10 >= tenth * BASH_REMATCH[2] )); then
            say "step ${BASH_REMATCH[1]} of ${BASH_REMATCH[2]}"
            tenth=$((tenth + 1))
        fi
    done
}
cmake --build "$work/build" -j "$(nproc)" 2>&1 | tee -a "$log" | progress
[ "${PIPESTATUS[0]}" -eq 0 ] || { grep -B2 -A20 -m1 'FAILED:' "$log" >&2 || tail -n 40 "$log" >&2; exit 1; }

say "installing"
cmake --install "$work/build" >>"$log" 2>&1 || { tail -n 40 "$log" >&2; exit 1; }
touch "$prefix/.complete"
rm -rf "$work"
say "done in $(( ($(date +%s) - started) / 60 )) min $(( ($(date +%s) - started) % 60 )) s: $(du -sh "$prefix" | cut -f1) installed"
echo "$prefix"
