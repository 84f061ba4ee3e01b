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
# the spoken phrases are read. Fails where Orca or its helpers are not installed.
set -u
program=$1
walk=$2
# How long a step may take to be heard at most: the walk waits for what it needs, not this long.
deadline_s=${ORCA_WALK_DEADLINE:-20}

for tool in orca Xvfb openbox xdotool dbus-run-session speech-dispatcher; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed (scripts/test installs it)"; exit 1; }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || { echo "at-spi2-core is not installed (scripts/test installs it)"; exit 1; }

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
for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done

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

# What Orca said after line $1 of its log, a phrase a line.
spoken_since() {
    tail -n +"$(($1 + 1))" "$log" | awk '
        /^[0-9:.]+ - / { on = 0 }
        /^[0-9:.]+ - SPEECH OUTPUT: / { on = 1; sub(/^[0-9:.]+ - SPEECH OUTPUT: /, "") }
        on { line = $0; sub(/^ +/, "", line); done = sub(/ ?(\{.established.|ACSS).*$/, "", line)
             if (line != "") print line; if (done) on = 0 }'
}

# heard TEXT PHRASE: whether PHRASE is in TEXT, word for word but for a button's role, which
# Orca 43 calls "push button" and Orca 48 "button" ({button} in the walk).
heard() {
    local pattern
    pattern=$(sed -e 's/[.[\\()*+?{|^$]/\\&/g' -e 's/\\{button}/(push )?button/g' <<<"$2")
    grep -qE -- "$pattern" <<<"$1"
}

# all_heard TEXT: whether every phrase of `wanted` is in TEXT.
all_heard() {
    local phrase
    for phrase in ${wanted[@]+"${wanted[@]}"}; do
        heard "$1" "$phrase" || return 1
    done
}

# wait_heard START: waits until Orca has said every wanted phrase since line START of its log
# and has then been quiet for half a second (the rest of what this step makes it say), or until
# the deadline. A step that wants nothing waits only for the quiet.
wait_heard() {
    local lines last=-1 quiet=0 end=$((SECONDS + deadline_s))
    while [ "$SECONDS" -lt "$end" ]; do
        lines=$(wc -l <"$log")
        if [ "$lines" = "$last" ]; then quiet=$((quiet + 1)); else quiet=0; fi
        last=$lines
        if [ "$quiet" -ge 5 ] && all_heard "$(spoken_since "$1")"; then
            return 0
        fi
        sleep 0.1
    done
}

failed=0
step=0
start=$(wc -l <"$log")
while IFS=$'\t' read -r keys phrases; do
    [[ -z "$keys" || "$keys" == \#* ]] && continue
    step=$((step + 1))
    IFS='|' read -r -a wanted <<<"${phrases:-}"
    if [ "$keys" = - ]; then
        QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$program" >"$dir/program.log" 2>&1 </dev/null &
        pids+=($!)
    else
        case "$keys" in
            type:*) xdotool type --delay 40 "${keys#type:}" ;;
            *) read -r -a k <<<"$keys"; xdotool key "${k[@]}" ;;
        esac
    fi
    wait_heard "$start"
    heard=$(spoken_since "$start")
    start=$(wc -l <"$log")
    echo "### $step: $keys"
    sed 's/^/    /' <<<"$heard"
    for phrase in ${wanted[@]+"${wanted[@]}"}; do
        if ! heard "$heard" "$phrase"; then
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
