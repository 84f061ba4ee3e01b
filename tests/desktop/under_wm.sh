#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb) under a real window manager, as on a person's desktop.
# usage: under_wm.sh WINDOW_MANAGER COMMAND [ARGS...]
# KDE's kwin_x11 runs, as on a Plasma desktop, in a D-Bus session that knows the display (without
# one its global-shortcut service aborts and it manages no window at all) and without compositing.
# Fails when Xvfb or the window manager is not installed.
set -u
here=$(dirname "$0")
source "$here/../xvfb.sh"

# Each of the two runs of this script ends what it started, and the outer one its folder.
pids=()
runtime=
cleanup() {
    local pid
    for pid in ${pids[@]+"${pids[@]}"}; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    [ -z "$runtime" ] || rm -rf "$runtime"
}
trap cleanup EXIT

if [ "${1:-}" = --inside ]; then
    # On the display and, for KWin, inside its D-Bus session: the manager, then the command, once
    # the manager has named itself (start_wm waits for that).
    shift
    wm=$1
    shift
    start_wm "$wm" "$XDG_RUNTIME_DIR/wm.log"
    QT_QPA_PLATFORM=xcb "$@"
    exit $?
fi

wm=$1
shift
tools=(Xvfb xprop xdotool "$wm")
[ "$wm" = kwin_x11 ] && tools+=(dbus-run-session)
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed (scripts/test installs it)"; exit 1; }
done

start_xvfb 60 99
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime HOME=$runtime
if [ "$wm" = kwin_x11 ]; then
    KWIN_COMPOSE=N dbus-run-session -- bash "$0" --inside "$wm" "$@"
else
    bash "$0" --inside "$wm" "$@"
fi
