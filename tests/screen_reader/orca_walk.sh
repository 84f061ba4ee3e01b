#!/usr/bin/env bash
# Walks through the program with the keyboard under the Orca screen reader and checks what Orca
# says after each step, as a blind user would hear it.
#
# usage: orca_walk.sh PROGRAM WALK_FILE
# WALK_FILE: one step a line, "KEYS<tab>PHRASE|PHRASE...": the keys for `xdotool key` (or
# "type:TEXT", or "-" for the start), then the phrases Orca must say before the next step (each a
# piece of a spoken line; none: anything). Lines starting with '#' are comments.
#
# Orca runs unchanged on a private X server (Xvfb and openbox) inside a private D-Bus session,
# with its speech sent to a silent sound device; its debug log, written line by line, is where
# the spoken phrases are read. Exits 77 (skipped) where Orca or its helpers are not installed.
set -u
program=$1
walk=$2
wait_s=${ORCA_WALK_WAIT:-1.5}

for tool in orca Xvfb openbox xdotool dbus-run-session speech-dispatcher; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "at-spi2-core is not installed: skipped"; exit 77; }

if [ -z "${ORCA_WALK_INSIDE:-}" ]; then
    export ORCA_WALK_INSIDE=1
    exec dbus-run-session -- bash "$0" "$@"
fi

dir=$(mktemp -d)
export HOME=$dir/home XDG_RUNTIME_DIR=$dir/run XDG_CONFIG_HOME=$dir/home/.config
export XDG_CACHE_HOME=$dir/home/.cache XDG_DATA_HOME=$dir/home/.local/share
mkdir -p -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"
# No sound card: speech goes through ALSA into a null device.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
cp -r /etc/speech-dispatcher "$XDG_CONFIG_HOME/speech-dispatcher"
echo 'AudioOutputMethod "alsa"' >>"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"

pids=()
cleanup() {
    local i
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
    sleep 0.3
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill -9 "${pids[i]}" 2>/dev/null; done
    for f in "$XDG_RUNTIME_DIR"/speech-dispatcher/pid/*.pid; do
        [ -f "$f" ] && kill "$(cat "$f")" 2>/dev/null
    done
    rm -rf "$dir"
}
trap cleanup EXIT

source "$(dirname "$0")/../xvfb.sh"
start_xvfb 100 139
start_wm openbox "$dir/openbox.log"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$dir/atspi.log" 2>&1 &
pids+=($!)
sleep 1.5

# Orca with its debug log flushed line by line, so that it can be read while Orca runs, and
# without looking for other users' Orca processes (its --replace would end them).
cat >"$dir/run-orca.py" <<'PY'
import builtins, sys
log = sys.argv[sys.argv.index('--debug-file') + 1]
_open = builtins.open
def line_buffered(file, mode='r', buffering=-1, *a, **k):
    return _open(file, mode, 1 if (file == log and 'w' in mode) else buffering, *a, **k)
builtins.open = line_buffered
g = {'__name__': 'orca_walk', '__file__': '/usr/bin/orca'}
exec(compile(_open('/usr/bin/orca').read(), '/usr/bin/orca', 'exec'), g)
g['otherOrcas'] = lambda: []
sys.argv[0] = '/usr/bin/orca'
sys.exit(g['main']())
PY
log=$dir/orca.log
for try in 1 2 3; do
    : >"$log"
    /usr/bin/python3 "$dir/run-orca.py" -u "$dir/orca-prefs" --debug-file "$log" >"$dir/orca.out" 2>&1 &
    orca=$!
    pids+=($orca)
    for _ in $(seq 150); do grep -aq "SPEECH OUTPUT" "$log" && break; sleep 0.1; done
    grep -aq "SPEECH OUTPUT" "$log" && break
    kill "$orca" 2>/dev/null
    [ "$try" = 3 ] && { echo "Orca did not start"; cat "$dir/orca.out"; exit 1; }
done
sleep 1

# What Orca said after line $1 of its log, a phrase a line.
spoken_since() {
    tail -n +"$(($1 + 1))" "$log" | awk '
        /^[0-9:.]+ - / { on = 0 }
        /^[0-9:.]+ - SPEECH OUTPUT: / { on = 1; sub(/^[0-9:.]+ - SPEECH OUTPUT: /, "") }
        on { line = $0; sub(/^ +/, "", line); done = sub(/ ?(\{.established.|ACSS).*$/, "", line)
             if (line != "") print line; if (done) on = 0 }'
}

failed=0
step=0
start=$(wc -l <"$log")
while IFS=$'\t' read -r keys phrases; do
    [[ -z "$keys" || "$keys" == \#* ]] && continue
    step=$((step + 1))
    if [ "$keys" = - ]; then
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" >"$dir/program.log" 2>&1 </dev/null &
        pids+=($!)
        # Up once Orca has heard of its first window (slower in a sanitizer build).
        for _ in $(seq 300); do spoken_since "$start" | grep -q . && break; sleep 0.1; done
        sleep 2
    else
        case "$keys" in
            type:*) xdotool type --delay 40 "${keys#type:}" ;;
            *) read -r -a k <<<"$keys"; xdotool key "${k[@]}" ;;
        esac
        sleep "$wait_s"
    fi
    heard=$(spoken_since "$start")
    start=$(wc -l <"$log")
    echo "### $step: $keys"
    sed 's/^/    /' <<<"$heard"
    IFS='|' read -r -a wanted <<<"${phrases:-}"
    for phrase in ${wanted[@]+"${wanted[@]}"}; do
        if ! grep -qF -- "$phrase" <<<"$heard"; then
            echo "FAIL: step $step ($keys): not heard: $phrase"
            failed=1
        fi
    done
done <"$walk"

if [ "$failed" -ne 0 ]; then
    echo "--- the program's messages:"
    tail -n 20 "$dir/program.log"
    echo "--- the window manager's messages:"
    cat "$dir/openbox.log"
    exit 1
fi
echo "every phrase heard"
