#!/usr/bin/env bash
# Packs the already built tree into a temporary folder, unpacks the Debian package and checks
# that it installs the program, its menu entry, its icon at every size and its metainfo, and
# that these name each other by the one application id; that Debian's documentation files (manual
# page, changelog, copyright) are where Debian puts them; and that lintian has nothing to say.
#   check_package.sh CPackConfig.cmake PACKAGING_DIR APP_ID VERSION
# A Debian tool it needs that is missing fails the check: scripts/test installs them all.
set -euo pipefail
config=$1
packaging=$2
id=$3
want_version=$4

for tool in cpack dpkg dpkg-deb dpkg-shlibdeps dpkg-architecture objdump file desktop-file-validate appstreamcli man lintian; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is not installed, so the package cannot be checked"
        exit 1
    fi
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}

if ! cpack --config "$config" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log"
    echo "FAIL: cpack could not build the package"
    exit 1
fi
shopt -s nullglob
debs=("$tmp"/out/*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    cat "$tmp/cpack.log"
    echo "FAIL: expected one .deb, found ${#debs[@]}"
    exit 1
fi
deb=${debs[0]}
echo "package: $(basename "$deb")"

# The control fields. The version names the Debian release the package is built on and for.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = quorvant ] || fail "Package is '$(field Package)'"
version=$(field Version)
release=$(. /etc/os-release && echo "${VERSION_ID:-}")
[ "$version" = "$want_version+deb$release" ] || fail "Version is '$version', not $want_version+deb$release"
depends=$(field Depends)
echo "Depends: $depends"
depends_on() { [[ ", $depends" == *", $1 "* || ", $depends," == *", $1,"* ]]; }

root=$tmp/root
dpkg -x "$deb" "$root"

# ...and it depends on the package of each library the program links, by the name this release
# gives it (Qt Core is libqt6core6 on Debian 12, libqt6core6t64 on 13), found by dpkg itself, and on
# the font the captions are measured for.
needed=$(objdump -p "$root/usr/bin/quorvant" | awk '$1 == "NEEDED" { print $2 }')
for lib in libQt6Core.so.6 libQt6Gui.so.6 libQt6Widgets.so.6 libQt6Svg.so.6 libc.so.6; do
    grep -qxF "$lib" <<<"$needed" || fail "the program does not link $lib"
done
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for lib in $needed; do
    owners=$(dpkg -S "*/$multiarch/$lib" 2>/dev/null | cut -d: -f1 | sort -u)
    [ -n "$owners" ] || fail "no installed package holds $lib"
    for owner in $owners; do
        depends_on "$owner" || fail "Depends lacks $owner, which holds $lib"
    done
done
depends_on fonts-liberation2 || fail "Depends lacks fonts-liberation2"

# Exactly these files, nothing the build or the tests leave behind.
sizes=(32 48 64 128 256)
expected=(
    ./usr/bin/quorvant
    "./usr/share/applications/$id.desktop"
    "./usr/share/icons/hicolor/scalable/apps/$id.svg"
    "./usr/share/metainfo/$id.metainfo.xml"
    ./usr/share/man/man1/quorvant.1.gz
    ./usr/share/doc/quorvant/changelog.gz
    ./usr/share/doc/quorvant/copyright
)
for s in "${sizes[@]}"; do
    expected+=("./usr/share/icons/hicolor/${s}x${s}/apps/$id.png")
done
actual=$(cd "$root" && find . -type f -o -type l | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
if [ "$actual" != "$wanted" ]; then
    fail "installed files differ from the expected ones:"
    diff <(echo "$wanted") <(echo "$actual") || true
fi

# The program: an executable stripped of its debugging information.
bin=$root/usr/bin/quorvant
if [ -f "$bin" ]; then
    [ -x "$bin" ] || fail "usr/bin/quorvant is not executable"
    kind=$(file -b "$bin")
    [[ $kind == ELF* ]] || fail "usr/bin/quorvant is not an ELF program: $kind"
    [[ $kind == *", stripped"* ]] || fail "usr/bin/quorvant is not stripped: $kind"
fi

# The menu entry starts the installed program and shows the installed icon.
desktop=$root/usr/share/applications/$id.desktop
if [ -f "$desktop" ]; then
    cmp -s "$desktop" "$packaging/$id.desktop" || fail "the installed desktop file is not the source's"
    exec_line=$(sed -n 's/^Exec=//p' "$desktop")
    [ -n "$exec_line" ] && [ -x "$root/usr/bin/${exec_line%% *}" ] ||
        fail "Exec=$exec_line is not an installed program"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ "$icon" = "$id" ] || fail "Icon=$icon is not $id"
    grep -qx 'Categories=Science;Electronics;' "$desktop" || fail "Categories differ"
fi

# Each icon has the size of its folder.
for s in "${sizes[@]}"; do
    png=$root/usr/share/icons/hicolor/${s}x${s}/apps/$id.png
    [ -f "$png" ] || continue
    kind=$(file -b "$png")
    [[ $kind == "PNG image data, $s x $s,"* ]] || fail "${s}x${s} icon: $kind"
done
svg=$root/usr/share/icons/hicolor/scalable/apps/$id.svg
if [ -f "$svg" ]; then
    kind=$(file -b "$svg")
    [[ $kind == *SVG* ]] || fail "scalable icon: $kind"
fi

# The metainfo names the same id, launches the menu entry and describes this version.
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
    grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "metainfo does not launch $id.desktop"
    grep -q "<release version=\"$want_version\"" "$metainfo" ||
        fail "metainfo has no release $want_version"
fi

# The validators on the installed tree: AppStream also finds the menu entry the metainfo names.
if [ -f "$desktop" ]; then
    out=$(desktop-file-validate "$desktop" 2>&1) || true
    [ -z "$out" ] || fail "desktop-file-validate: $out"
fi
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"

# Debian's documentation: a manual page man reads without a warning, the changelog of this
# version, a machine-readable copyright file.
man_page=$root/usr/share/man/man1/quorvant.1.gz
if [ -f "$man_page" ]; then
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$man_page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "the manual page: $warnings"
else
    fail "no manual page"
fi
changelog=$root/usr/share/doc/quorvant/changelog.gz
{ [ -f "$changelog" ] && zcat "$changelog" | head -1 | grep -qF "quorvant ($version)"; } ||
    fail "the changelog does not start with version $version"
copyright=$root/usr/share/doc/quorvant/copyright
{ [ -f "$copyright" ] && head -1 "$copyright" | grep -q '^Format: .*copyright-format/1.0'; } ||
    fail "the copyright file is not machine-readable"

# Debian's own checker, at its strictest level: nothing to say.
report=$(lintian --info --pedantic "$deb" 2>/dev/null) || true
[ -z "$report" ] || fail "lintian: $report"

if [ "$failed" -ne 0 ]; then
    exit 1
fi
echo "package contents as expected"
