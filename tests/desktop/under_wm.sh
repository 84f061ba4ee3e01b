#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb) under a real window manager, as on a person's desktop.
# usage: under_wm.sh WINDOW_MANAGER COMMAND [ARGS...]
# Fails when Xvfb or the window manager is not installed.
set -u
wm=$1
shift
for tool in Xvfb xprop xdotool "$wm"; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed (scripts/test installs it)"; exit 1; }
done

pids=()
cleanup() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done; wait 2>/dev/null; }
trap cleanup EXIT

source "$(dirname "$0")/../xvfb.sh"
start_xvfb 60 99

runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime HOME=$runtime
start_wm "$wm" "$runtime/wm.log"
sleep 0.5

QT_QPA_PLATFORM=xcb "$@"
rc=$?
rm -rf "$runtime"
exit $rc
