#!/usr/bin/env bash
# The real program with the screen reader Orca listening, as a blind user meets
# it on an X11 desktop: a display with a window manager (scripts/with-display),
# the AT-SPI bus on the private session bus given by dbus-run-session, Orca with its
# speech off and its debug log on. The program is driven by the keyboard alone
# (xdotool), and the log's "SPEECH OUTPUT" lines, what the user would hear, are
# checked step by step: what C holds (its prompt at start, a typed value, an
# item picked from its list), the typical request (the first keystroke replaces
# the prompt of C), the results, the message box, a fault box, and "Viso gero"
# ending the program with status 0. It runs with the Orca of the release it runs
# on (Orca 43 on Debian 12, Orca 48 on Debian 13), and waits on what each says.
# Usage: dbus-run-session -- scripts/with-display screen_reader.sh RITMOLIS FOLDER
# (Orca's log, orca.log, is kept in FOLDER)
set -euo pipefail
app=$1 logs=$2
mkdir -p "$logs"
# `orca --replace` ends any other Orca of this user: one run at a time, and
# never while the user's own screen reader runs.
exec 9>"${TMPDIR:-/tmp}/ritmolis-screen-reader.lock"
flock 9
for pid in $(pgrep -u "$(id -u)" -x orca); do
    # An earlier run's Orca, on its way out, logs to /dev/stdout; a zombie has no command line.
    command=$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null || true)
    if [ -n "$command" ] && [[ $command != *"--debug-file /dev/stdout"* ]]; then
        echo "Orca is running for this user ($command); this test would replace it. Run it as another user."
        exit 1
    fi
done

home=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$home"' EXIT
export HOME=$home XDG_RUNTIME_DIR=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data \
       XDG_CACHE_HOME=$home/cache GSETTINGS_BACKEND=memory
log=$logs/orca.log
: >"$log"
fail() {
    echo "$1"
    echo "--- the end of Orca's log ($log):"
    tail -n 40 "$log"
    exit 1
}

/usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$logs/at-spi.log" &
pids+=($!)
# Orca writes its log through a buffer, flushed only on each line when the log
# is a terminal: so it writes to the terminal of `script`, which copies it to
# the file as it comes.
script -qfec 'orca --replace -d speech --debug-file /dev/stdout' "$log" </dev/null >/dev/null &
pids+=($!)

# Waits until the log holds every given line, from the mark on (Orca takes a
# moment to start and to present each event).
mark=0
wait_for() {
    local line
    for line in "$@"; do
        for _ in $(seq 200); do
            tail -n +"$((mark + 1))" "$log" | grep -qF -- "$line" && continue 2
            sleep 0.1
        done
        fail "Orca's log has no \"$line\" within 20 s"
    done
}
# Waits until Orca has said every given phrase, each within one utterance,
# after the keys sent last.
hear() {
    local phrase
    for phrase in "$@"; do
        for _ in $(seq 200); do
            tail -n +"$((mark + 1))" "$log" | grep -F "SPEECH OUTPUT: '" | grep -qF -- "$phrase" && continue 2
            sleep 0.1
        done
        fail "Orca did not say \"$phrase\" within 20 s"
    done
    echo "heard: $*"
}
press() {
    mark=$(wc -l <"$log")
    xdotool "$@"
}

# Qt's AT-SPI bridge holds a copy of each key event until the screen reader
# answers, and never frees it when the widget it was for is gone by then (a box
# closed by Return, when Orca answers late): a leak inside QtGui, which a
# sanitizer build would report as the program's.
{ cat "$(dirname "$0")/../../scripts/lsan.supp"; echo "leak:libQt6Gui.so"; } >"$logs/lsan.supp"
export LSAN_OPTIONS="${LSAN_OPTIONS:-}:suppressions=$logs/lsan.supp"

# Orca is listening once it starts its event loop: Orca 43 logs "Starting
# registry" then, Orca 48 "Starting Atspi main event loop".
for _ in $(seq 200); do
    grep -qE "ORCA: Starting (registry|Atspi main event loop)" "$log" && break
    sleep 0.1
done
grep -qE "ORCA: Starting (registry|Atspi main event loop)" "$log" || fail "Orca did not start within 20 s"
# What Orca calls a push button: "push button" up to Orca 43, "button" in Orca 48.
button="push button"
[ "$(orca --version | grep -oE '[0-9]+' | head -n1)" -lt 48 ] || button=button
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$app" &
app_pid=$!
pids+=($app_pid)
hear "555 astable." "C editable combo box" "pasirink C talpą"

# What C holds, as it is entered again: a typed value (the first keystroke
# replaces the prompt), then an item picked from its list by the keyboard.
press type 4,7
press key Tab && hear "R1 text."
press key shift+Tab && hear "C editable combo box" "4,7"
press key alt+Down && sleep 0.3 && press key End Up Return
press key Tab && hear "R1 text."
press key shift+Tab && hear "C editable combo box" "1000"

# The typical request: C = 1000, R1 and R2 typed.
press key Tab && hear "R1 text."
press type 1
press key Tab && hear "R2 text."
press type 1
press key Tab && hear "Skaičiuoti $button."
# The results are written while the focus stays on the button: Orca only logs them.
press key space && wait_for "(0, 4, 0.69)"  # the last write: t2's rounded text
# F1: the second window, whose values the screen reader reaches; Escape gives the keyboard back to the form.
press key F1 && hear "Ritmolis — schema" "0.4808"
press key Escape && hear "Skaičiuoti $button."
press key Tab && hear "1.39" "t1 text."

# t1 ≤ t2 in the mode "sužinoti R1 ir R2": the message.
press type 1
press key Tab && hear "0.69" "t2 text."
press type 2
press key Tab && hear "Viso gero $button."
press key Tab && hear "sužinoti T" "selected radio button"
press key Right && hear "sužinoti R1 ir R2"
press key Tab Tab Tab Tab && hear "Skaičiuoti $button."
press key space && hear "alert Ritmolis." "\"t1\" turi būti daugiau už \"t2\"" "OK $button."
press key Return && hear "Skaičiuoti $button."

# A sum beyond the range of numbers in the mode "sužinoti T": the fault box.
press key shift+Tab && hear "R2 text."
press type 1e308
press key shift+Tab && hear "R1 text."
press type 1e308
press key shift+Tab shift+Tab && hear "sužinoti R1 ir R2"
press key Left && hear "sužinoti T"
press key shift+Tab shift+Tab shift+Tab shift+Tab && hear "Skaičiuoti $button."
press key space && hear "alert Ritmolis." "Perpildymas" "OK $button."
press key Return && hear "Skaičiuoti $button."

press key Tab Tab Tab && hear "Viso gero $button."
press key space
for _ in $(seq 100); do
    kill -0 $app_pid 2>/dev/null || break
    sleep 0.1
done
kill -0 $app_pid 2>/dev/null && fail "the program did not end within 10 s of \"Viso gero\""
status=0
wait $app_pid || status=$?
echo "the program ended with status $status"
exit $status
