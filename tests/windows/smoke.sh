#!/usr/bin/env bash
# Starts quorvant.exe under Wine on the X server and window manager the caller provides (DISPLAY,
# WINEPREFIX) and checks what a user sees first: one self-contained GUI program; Main with its
# caption and size in the task bar, beside the picture of the first mode, which is not; on F1,
# with nothing calibrated, the warning box; and the end of the program with Main.
# usage: smoke.sh PATH/quorvant.exe
set -euo pipefail
exe=$1
wine=${QUORVANT_WINE:-/usr/lib/wine/wine64}
objdump=x86_64-w64-mingw32-objdump

source "$(dirname "$0")/tally.sh"

# One file: no Qt, C++ run-time or thread DLL beside it, only the system's own.
headers=$("$objdump" -p "$exe")
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "not a GUI program"
dlls=$(grep 'DLL Name:' <<<"$headers" | awk '{print tolower($3)}' | sort -u)
if grep -Eq '^(qt6|libstdc|libgcc|libwinpthread)' <<<"$dlls"; then
    fail "needs DLLs of its own: $(tr '\n' ' ' <<<"$dlls")"
fi
pass "one self-contained GUI program"

source "$(dirname "$0")/program.sh"
start_program "$exe"

main=$(window '^Quorvant        \* by Dorvin Keltsby - QQ9QQQ \*       >>>  http:') ||
    fail "Main did not open"
pass "Main opens with its caption"
picture=$(window '^Cx Mode \(Calculate C\)$') || fail "the picture of the first mode did not open"
pass "the picture of Cx Mode (Calculate C) opens"
# Main has a task-bar button, the picture none (Wine tells the X desktop by _NET_WM_STATE).
xprop -id "$picture" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR ||
    fail "the picture window has a task-bar button"
xprop -id "$main" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR &&
    fail "Main has no task-bar button"
pass "Main in the task bar, the picture not"
width=$(xdotool getwindowgeometry --shell "$main" | sed -n 's/^WIDTH=//p')
[ "$width" = 513 ] || fail "Main is $width pixels wide, not 513"
pass "Main is 513 pixels wide"

press "$main" F1
warning=$(window '^Warning !$') || fail "F1 with nothing calibrated showed no warning"
pass "F1 with nothing calibrated warns"
press "$warning" Return
gone '^Warning !$' || fail "the warning did not close"

# Closed by the user, Main takes the program with it.
press "$main" alt+F4
program_ended || fail "the program did not end with Main"
pass "the program ends with Main"
all_passed
