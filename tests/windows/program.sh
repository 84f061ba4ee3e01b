# Sourced by the checks that drive quorvant.exe under Wine ($wine) on the caller's X server:
# starting it, waiting for its windows by their names, typing into them, and its end. The program
# is ended with the script however the script ends, and its output shown if it dies early.
log=$(mktemp)
program=
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null
    rm -f "$log"
}
trap cleanup EXIT

# start_program EXE: EXE started under Wine in the background.
start_program() {
    WINEDEBUG=-all "$wine" "$1" >"$log" 2>&1 &
    program=$!
}
# window NAME-REGEX: the id of the visible window whose name matches, waiting up to 60 s.
window() {
    local id
    for _ in $(seq 600); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$program" 2>/dev/null || { cat "$log" >&2; return 1; }
        sleep 0.1
    done
    return 1
}
# gone NAME-REGEX: waits up to 30 s until no visible window's name matches.
gone() {
    for _ in $(seq 300); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}
# press WINDOW KEY...: the keys, typed into WINDOW made the active window first.
press() {
    local id=$1
    shift
    xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
    xdotool key --clearmodifiers "$@"
}
# program_ended: waits up to 30 s for the program to end.
program_ended() {
    for _ in $(seq 300); do
        kill -0 "$program" 2>/dev/null || { program=; return 0; }
        sleep 0.1
    done
    return 1
}
