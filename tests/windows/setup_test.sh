#!/usr/bin/env bash
# The setup under Wine, silently: it installs quorvant.exe into Program Files with an uninstaller,
# a Start-menu entry and an entry in the list of programs; the installed program starts (smoke.sh);
# the silent uninstall leaves nothing of it behind. Uses the caller's DISPLAY and WINEPREFIX.
# usage: setup_test.sh PATH/quorvant-VERSION-setup.exe PATH/smoke.sh
set -euo pipefail
setup=$1
smoke=$2
wine=${QUORVANT_WINE:-/usr/lib/wine/wine64}
export WINEDEBUG=-all

fail() { echo "FAIL: $*"; exit 1; }
drive_c=$WINEPREFIX/drive_c
installed="$drive_c/Program Files/Quorvant"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvant.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvant'

"$wine" "$setup" /S
[ -f "$installed/quorvant.exe" ] || fail "no quorvant.exe in Program Files"
[ -f "$installed/uninstall.exe" ] || fail "no uninstaller in Program Files"
cmp -s "$installed/quorvant.exe" "$(dirname "$setup")/quorvant.exe" ||
    fail "the installed program is not the one built"
echo "PASS: installs into Program Files"
[ -f "$shortcut" ] || fail "no Start-menu entry"
echo "PASS: a Start-menu entry"
entry=$("$wine" reg query "$key" 2>/dev/null | tr -d '\r') || fail "not in the list of programs"
grep -q 'DisplayName.*Quorvant' <<<"$entry" || fail "the list of programs does not name Quorvant"
grep -q 'UninstallString.*uninstall.exe' <<<"$entry" || fail "no uninstaller registered"
echo "PASS: in the list of programs with its uninstaller"

bash "$smoke" "$installed/quorvant.exe" >/dev/null || fail "the installed program did not start"
echo "PASS: the installed program starts"

# The uninstaller copies itself away and goes on alone: wait for what it leaves.
"$wine" "$installed/uninstall.exe" /S
for _ in $(seq 300); do
    [ -e "$installed" ] || [ -e "$shortcut" ] || break
    sleep 0.1
done
[ -e "$installed" ] && fail "Program Files\\Quorvant is still there: $(ls "$installed")"
[ -e "$shortcut" ] && fail "the Start-menu entry is still there"
"$wine" reg query "$key" >/dev/null 2>&1 && fail "still in the list of programs"
echo "PASS: the silent uninstall leaves nothing"
echo "5 passed, 0 failed"
