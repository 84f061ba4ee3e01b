#!/usr/bin/env bash
# Installs the Debian package as a user's apt does, into a fresh minimal root of this machine's
# Debian release with what it depends on from the release's own archive, then removes and purges
# it, and finds nothing left behind, nothing broken and nothing the package did not own: piuparts'
# install and purge test. piuparts makes its root with debootstrap from the mirror of this
# machine's apt configuration; it needs root, and without root the test is skipped, saying so.
# The root as debootstrap leaves it is kept as a tarball in $XDG_CACHE_HOME/quorvant/piuparts
# and made again when over a week old: debootstrap is half the test's time, and piuparts brings a
# kept root up to date (apt-get update and dist-upgrade) before each test.
#   install_purge.sh CPackConfig.cmake
set -euo pipefail
config=$1

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: piuparts makes and enters a Debian root, which needs root"
    exit 77
fi
if ! command -v piuparts >/dev/null; then
    echo "piuparts is not installed, so the package's install and purge cannot be checked"
    exit 1
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
if ! cpack --config "$config" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log"
    echo "FAIL: cpack could not build the package"
    exit 1
fi
codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
mirror=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Created-By: Packages' |
    awk -v suite="$codename" '$2 == suite { print $1; exit }')
if [ -z "$mirror" ]; then
    echo "FAIL: no Debian mirror for $codename in this machine's apt configuration"
    exit 1
fi
shopt -s nullglob
debs=("$tmp"/out/*.deb)
echo "package: $(basename "${debs[0]}"), on Debian $codename from $mirror"

cache=${XDG_CACHE_HOME:-$HOME/.cache}/quorvant/piuparts
base=$cache/$codename.tgz
if [ -n "$(find "$base" -mtime -7 2>/dev/null)" ]; then
    root_from=(--basetgz="$base")
else
    mkdir -p "$cache"
    root_from=(--save="$tmp/base.tgz")
fi
if ! piuparts --distribution="$codename" --mirror="$mirror" --no-upgrade-test --tmpdir="$tmp" \
    "${root_from[@]}" "${debs[@]}" >"$tmp/piuparts.log" 2>&1; then
    tail -n 60 "$tmp/piuparts.log"
    # A kept root is not trusted after a failure: the next run makes its own.
    rm -f "$base"
    echo "FAIL: piuparts"
    exit 1
fi
if [ -s "$tmp/base.tgz" ]; then mv "$tmp/base.tgz" "$base"; fi
grep -E 'INFO: PASS' "$tmp/piuparts.log"
echo "the package installs and purges cleanly"
