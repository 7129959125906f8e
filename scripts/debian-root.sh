#!/usr/bin/env bash
# Makes, once per machine, a minimal Debian system of the given release with
# the given packages installed, and prints its folder on stdout:
#     root=$(scripts/debian-root.sh trixie emscripten emscripten)
# The folder lies in the cache outside the clone, named by the release, the
# NAME and a digest of the packages, and is made again only when these change
# (or when it is incomplete). Run programs in it with scripts/in-root; it is
# used by the web build (Debian 13's emscripten) and by the package's install
# tests (fresh Debian 12 and 13 systems). Progress goes to stderr.
# Usage: debian-root.sh SUITE NAME [PACKAGE...]
set -euo pipefail
cd "$(dirname "$0")/.."
suite=$1 name=$2
shift 2
cache=${RITMOLIS_CACHE:-/var/cache/ritmolis}/roots
digest=$( { echo "$suite"; printf '%s\n' "$@" | sort; sed -n '/^# --- how/,$p' "$0"; } | sha256sum | cut -c1-12)
root=$cache/$suite-$name-$digest
[ -f "$root/.complete" ] && { echo "$root"; exit 0; }

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
say() { echo "debian-root: $(date +%T) $*" >&2; }
"${sudo[@]}" mkdir -p "$cache"
# --- how a root is made (a change below makes every root again)
exec 8>"$cache/$suite-$name.lock"
flock 8
[ -f "$root/.complete" ] && { echo "$root"; exit 0; }
command -v debootstrap >/dev/null || {
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
}
# The Debian mirror and the security mirror that this machine's apt uses.
sources=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null || true)
# (A fresh minimal system may list no security mirror at all.)
mirror=$( (grep -oE 'https?://[^ ]+/debian/?( |$)' <<<"$sources" || true) | head -n1 | tr -d ' ')
security=$( (grep -oE 'https?://[^ ]+/debian-security/?( |$)' <<<"$sources" || true) | head -n1 | tr -d ' ')
mirror=${mirror:-http://deb.debian.org/debian} security=${security:-http://deb.debian.org/debian-security}

started=$(date +%s)
say "making a minimal Debian $suite ($name) in $root, once per machine"
"${sudo[@]}" rm -rf "$root" "$root.new"
"${sudo[@]}" debootstrap --variant=minbase "$suite" "$root.new" "$mirror" >"$cache/$suite-$name.log" 2>&1 ||
    { tail -n 20 "$cache/$suite-$name.log" >&2; exit 1; }
printf 'deb %s %s main\ndeb %s %s-updates main\ndeb %s %s-security main\n' \
    "$mirror" "$suite" "$mirror" "$suite" "$security" "$suite" | "${sudo[@]}" tee "$root.new/etc/apt/sources.list" >/dev/null
"${sudo[@]}" cp /etc/resolv.conf "$root.new/etc/resolv.conf"
scripts/in-root "$root.new" / sh -c 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
    --no-install-recommends "$@" >/dev/null && apt-get clean' packages "$@" >&2
"${sudo[@]}" touch "$root.new/.complete"
"${sudo[@]}" mv "$root.new" "$root"
say "done in $(( $(date +%s) - started )) s: $("${sudo[@]}" du -sh "$root" | cut -f1)"
echo "$root"
