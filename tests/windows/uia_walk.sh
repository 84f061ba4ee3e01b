#!/usr/bin/env bash
# What a Windows screen reader hears of every window: starts quorvant.exe under Wine on the X
# server and window manager the caller provides (DISPLAY, WINEPREFIX), opens each window in turn
# from the keyboard as a user does, and has uia_walk.exe walk its UI Automation tree from a
# process of its own and compare it with the expected trees. Wine 8 answers for a window but hangs
# when asked for its first child: under a Wine before 10 the test is skipped, and says why.
# usage: uia_walk.sh PATH/quorvant.exe PATH/uia_walk.exe EXPECTED.txt
set -euo pipefail
exe=$1
walker=$2
expected=$3
wine=${QUORVANT_WINE:-/usr/lib/wine/wine64}

source "$(dirname "$0")/tally.sh"

version=$("$wine" --version)
major=${version#wine-}
major=${major%%.*}
if [ "$major" -lt 10 ]; then
    echo "SKIP: $version cannot walk another process's UI Automation tree; Wine 10 can"
    exit 77
fi

source "$(dirname "$0")/program.sh"
start_program "$exe"

# walk KEY: the window of that section of the expected trees, walked and compared.
walk() {
    if "$wine" "$walker" "Z:$expected" "$1"; then
        pass "[$1] heard as expected"
    else
        fail "[$1] not heard as expected"
    fi
}

main_caption='^Quorvant        \* by Dorvin Keltsby - QQ9QQQ \*'
main=$(window "$main_caption") || fail "Main did not open"
window '^Cx Mode \(Calculate C\)$' >/dev/null || fail "the first mode's picture did not open"
walk main
walk picture-cx-c

# Uncalibrated, F1 warns.
press "$main" F1
warning=$(window '^Warning !$') || fail "F1 showed no warning"
walk warning
press "$warning" Return
gone '^Warning !$' || fail "the warning did not close"

# The parallel calibration, from Calibrate.
press "$main" Tab space
calibration=$(window '^Calibrating Quorvant   -   Cx parallel') || fail "no parallel calibration"
walk calibration-parallel
press "$calibration" alt+F4
gone '^Calibrating Quorvant' || fail "the calibration window did not close"

# The other two modes, each with its picture; Main again in the series mode, where the stray
# inductance is asked for.
press "$main" Tab Tab Down
window '^Cx Mode \(Calculate L\)$' >/dev/null || fail "no picture for Cx Mode (Calculate L)"
walk picture-cx-l
press "$main" Down
window '^Lx Mode \(Calculate L\)$' >/dev/null || fail "no picture for Lx Mode (Calculate L)"
walk picture-lx-l
xdotool windowactivate --sync "$main" 2>/dev/null || true
walk main-series

# The series calibration, from Calibrate.
press "$main" shift+Tab shift+Tab space
calibration=$(window '^Calibrating Quorvant   -   Lx series') || fail "no series calibration"
walk calibration-series
press "$calibration" alt+F4
gone '^Calibrating Quorvant' || fail "the calibration window did not close"

# About, by its menu item's mnemonic.
press "$main" alt+a
about=$(window '^About  -   Quorvant') || fail "Alt+A did not open About"
walk about
press "$about" alt+F4
gone '^About  -   Quorvant' || fail "About did not close"

press "$main" alt+F4
program_ended || fail "the program did not end with Main"
all_passed
