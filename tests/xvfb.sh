# Sourced by the tests that need a private X server: start_xvfb FIRST LAST starts Xvfb on the
# first free display between :FIRST and :LAST, exports DISPLAY, adds its PID to the caller's
# `pids` and waits until it answers.
start_xvfb() {
    local n display=
    for n in $(seq "$1" "$2"); do
        [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { display=:$n; break; }
    done
    [ -n "$display" ] || { echo "no free X display"; exit 1; }
    export DISPLAY=$display
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.05; done
}
