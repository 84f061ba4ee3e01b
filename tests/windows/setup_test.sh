#!/usr/bin/env bash
# The setup under Wine, silently, as a deployment tool runs it: an earlier version installed for
# every user, then, while that Quorvant runs, neither this setup nor the uninstaller change
# anything (exit code 2); once it is closed this setup upgrades it in place (one folder, one
# Start-menu entry, one entry in the list of programs, the new version and size); the installed
# program starts (smoke.sh); the uninstaller carries the version resource (version_test) and
# leaves nothing behind; then the same for this user only, without an administrator's folders or
# keys; last, the wizard clicked through by its default buttons, whose last page starts the
# program. Uses the caller's DISPLAY and WINEPREFIX.
# usage: setup_test.sh SETUP.exe VERSION EARLIER-0.90-SETUP.exe SHIPPED/quorvant.exe smoke.sh
#                      version_test.exe
set -euo pipefail
setup=$1
version=$2
earlier=$3
shipped=$4
smoke=$5
version_test=$6
wine=${QUORVANT_WINE:-/usr/lib/wine/wine64}
export WINEDEBUG=-all

source "$(dirname "$0")/tally.sh"

drive_c=$WINEPREFIX/drive_c
user_dir=$drive_c/users/$(id -un)
entry_path='Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvant'
# Where each choice puts the program, its Start-menu entry and its entry in the list of programs.
all_dir="$drive_c/Program Files/Quorvant"
all_link="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvant.lnk"
all_key="HKLM\\$entry_path"
user_install="$user_dir/AppData/Local/Programs/Quorvant"
user_link="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quorvant.lnk"
user_key="HKCU\\$entry_path"

program=
cleanup() { [ -n "$program" ] && kill "$program" 2>/dev/null || true; }
trap cleanup EXIT

# value KEY NAME: one value of an entry in the list of programs, empty if there is none.
value() {
    "$wine" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        awk -v name="$2" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'
}
has_key() { "$wine" reg query "$1" >/dev/null 2>&1; }
windows_path() { "$wine" winepath -w "$1" 2>/dev/null | tr -d '\r'; }
# The short form has no blank: Wine would quote an argument with one, and the uninstaller takes
# only an unquoted _?=.
short_path() { "$wine" winepath -s "$(windows_path "$1")" 2>/dev/null | tr -d '\r'; }

# installed DIR LINK KEY VERSION: the program, its uninstaller, its Start-menu entry and its entry
# in the list of programs, with the version and the size, and nothing else in its folder.
installed() {
    local dir=$1 link=$2 key=$3 version=$4
    [ "$(ls "$dir" 2>/dev/null | tr '\n' ' ')" = "quorvant.exe uninstall.exe " ] ||
        fail "$dir holds: $(ls "$dir" 2>/dev/null | tr '\n' ' ')"
    cmp -s "$dir/quorvant.exe" "$shipped" || fail "the installed program is not the one built"
    [ -f "$link" ] || fail "no Start-menu entry at $link"
    [ "$(value "$key" DisplayName)" = Quorvant ] || fail "$key does not name Quorvant"
    [ "$(value "$key" DisplayVersion)" = "$version" ] ||
        fail "$key says version '$(value "$key" DisplayVersion)', not $version"
    grep -q 'uninstall.exe" /' <<<"$(value "$key" UninstallString)" ||
        fail "$key has no uninstaller: $(value "$key" UninstallString)"
    local size
    size=$(value "$key" EstimatedSize)
    # The size in KiB: the program's 20 MB or so.
    [[ "$size" =~ ^0x[0-9a-f]+$ ]] && [ $((size)) -gt 10000 ] && [ $((size)) -lt 100000 ] ||
        fail "$key gives no size in KiB: '$size'"
}

# gone DIR LINK KEY: nothing of an install is left.
gone() {
    [ -e "$1" ] && fail "$1 is still there: $(ls "$1")"
    [ -e "$2" ] && fail "the Start-menu entry $2 is still there"
    has_key "$3" && fail "$3 is still in the list of programs"
    return 0
}

# uninstall DIR SWITCH: the silent uninstall as the list of programs runs it. It copies itself away
# and goes on alone: wait for what it leaves.
uninstall() {
    "$wine" "$1/uninstall.exe" "$2" /S
    for _ in $(seq 300); do
        [ -e "$1/uninstall.exe" ] || break
        sleep 0.1
    done
}

"$wine" "$earlier" /S /AllUsers || fail "the earlier setup failed with $?"
installed "$all_dir" "$all_link" "$all_key" 0.90
pass "an earlier version installs for every user"

# While it runs, nothing changes.
cp "$all_dir/uninstall.exe" "$WINEPREFIX/earlier-uninstall.exe"
"$wine" "$all_dir/quorvant.exe" >/dev/null 2>&1 &
program=$!
for _ in $(seq 600); do
    xdotool search --onlyvisible --name '^Quorvant ' >/dev/null 2>&1 && break
    kill -0 "$program" 2>/dev/null || fail "the installed program did not start"
    sleep 0.1
done
rc=0
"$wine" "$setup" /S || rc=$?
[ "$rc" = 2 ] || fail "the setup over a running Quorvant ended with $rc, not 2"
[ "$(value "$all_key" DisplayVersion)" = 0.90 ] || fail "the setup changed a running install"
cmp -s "$all_dir/uninstall.exe" "$WINEPREFIX/earlier-uninstall.exe" ||
    fail "the setup replaced the uninstaller of a running install"
pass "the setup over a running Quorvant changes nothing and ends with 2"
rc=0
"$wine" "$all_dir/uninstall.exe" /AllUsers /S "_?=$(short_path "$all_dir")" || rc=$?
[ "$rc" = 2 ] || fail "the uninstall of a running Quorvant ended with $rc, not 2"
installed "$all_dir" "$all_link" "$all_key" 0.90
pass "the uninstall of a running Quorvant changes nothing and ends with 2"
kill "$program"
wait "$program" 2>/dev/null || true
program=

# Closed, it is upgraded in place: the earlier install's choice, without a switch.
"$wine" "$setup" /S || fail "the upgrade failed with $?"
installed "$all_dir" "$all_link" "$all_key" "$version"
has_key "$user_key" && fail "the upgrade added an entry for this user"
pass "the upgrade replaces the earlier version in place"
bash "$smoke" "$all_dir/quorvant.exe" >/dev/null || fail "the installed program did not start"
pass "the installed program starts"
"$wine" "$version_test" "$(windows_path "$all_dir/uninstall.exe")" >/dev/null ||
    fail "the uninstaller's version resource"
pass "the uninstaller carries the version resource and the icon"
uninstall "$all_dir" /AllUsers
gone "$all_dir" "$all_link" "$all_key"
pass "the uninstall for every user leaves nothing"

# For this user only: the user's own folders and keys, none of every user's.
"$wine" "$setup" /S /CurrentUser || fail "the setup for this user failed with $?"
installed "$user_install" "$user_link" "$user_key" "$version"
gone "$all_dir" "$all_link" "$all_key"
pass "installs for this user only, into the user's own programs folder"
uninstall "$user_install" /CurrentUser
gone "$user_install" "$user_link" "$user_key"
pass "the uninstall for this user leaves nothing"

# The wizard as a person goes through it, for this user: each page's default button in turn
# (Next, I Agree, Next, Install), then Finish with "Start Quorvant" ticked, which starts the
# program through the shell, with the signed-in user's rights.
"$wine" "$setup" /CurrentUser >/dev/null 2>&1 &
wizard=$!
main=
for _ in $(seq 120); do
    main=$(xdotool search --onlyvisible --name '^Quorvant        \*' 2>/dev/null | head -n1) || true
    [ -n "$main" ] && break
    page=$(xdotool search --onlyvisible --name '^Quorvant Setup' 2>/dev/null | head -n1) || true
    [ -n "$page" ] && { xdotool windowactivate --sync "$page" key Return 2>/dev/null || true; }
    sleep 1
done
[ -n "$main" ] || fail "the wizard's last page did not start Quorvant"
wait "$wizard" || fail "the wizard ended with $?"
installed "$user_install" "$user_link" "$user_key" "$version"
pass "the wizard installs and its last page starts Quorvant"
"$wine" taskkill /f /im quorvant.exe >/dev/null 2>&1
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Quorvant        \*' >/dev/null 2>&1 || break
    sleep 0.1
done
uninstall "$user_install" /CurrentUser
gone "$user_install" "$user_link" "$user_key"
all_passed
