# Sourced by the tests that need a private X server and a window manager. Both add their PIDs to
# the caller's `pids`.

# start_xvfb FIRST LAST: starts Xvfb on the first free display between :FIRST and :LAST, exports
# DISPLAY and waits until it answers. A display another server takes first is passed over, and so
# is one whose abstract socket is taken: those are shared by every root on the machine (a server
# in scripts/debian13's root and one outside would otherwise answer each other's clients). The
# server keeps running when its last client leaves (-noreset): otherwise the check that it answers
# makes it start over, and the next client to connect may be refused.
start_xvfb() {
    local n xvfb
    for n in $(seq "$1" "$2"); do
        [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] && continue
        grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null && continue
        export DISPLAY=:$n
        Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        xvfb=$!
        for _ in $(seq 200); do
            kill -0 "$xvfb" 2>/dev/null || break
            if xdotool getmouselocation >/dev/null 2>&1; then
                pids+=("$xvfb")
                return 0
            fi
            sleep 0.05
        done
        kill "$xvfb" 2>/dev/null
    done
    echo "no X server could be started on :$1 to :$2"
    exit 1
}

# start_wm NAME LOG: starts the window manager NAME with its messages in LOG and waits until it
# has named itself on the root window, which can take a while on a loaded machine. A manager that
# gives up before that is started again, at most three times.
start_wm() {
    local try wm
    for try in 1 2 3; do
        "$1" >>"$2" 2>&1 &
        wm=$!
        for _ in $(seq 300); do
            kill -0 "$wm" 2>/dev/null || break
            if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
                pids+=("$wm")
                return 0
            fi
            sleep 0.1
        done
        kill "$wm" 2>/dev/null
        echo "$1 did not come up (try $try):" >&2
        cat "$2" >&2
    done
    exit 1
}
