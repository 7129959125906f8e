#!/usr/bin/env bash
# Runs a command on a virtual X display of its own (Xvfb, its number chosen by
# the server, so that runs side by side cannot collide) with a window manager
# (openbox), which activates and focuses new windows as a desktop does; ends
# both when the command ends, with the command's status.
# Usage: with_display.sh COMMAND [ARGS...]
set -euo pipefail
folder=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$folder"' EXIT
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$folder/display" 2>"$folder/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$folder/display" ] && break; sleep 0.1; done
[ -s "$folder/display" ] || { echo "Xvfb did not start:"; cat "$folder/xvfb.log"; exit 1; }
export DISPLAY=:$(cat "$folder/display")
openbox --sm-disable >"$folder/openbox.log" 2>&1 &
pids+=($!)
# openbox has taken the display once it publishes its desktops.
for _ in $(seq 100); do xdotool get_num_desktops >/dev/null 2>&1 && break; sleep 0.1; done
xdotool get_num_desktops >/dev/null 2>&1 || { echo "openbox did not start:"; cat "$folder/openbox.log"; exit 1; }
status=0
"$@" || status=$?
exit $status
