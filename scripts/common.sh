# Shared by the scripts: install what is missing, configure and build into build/.
set -Eeuo pipefail
# Whatever fails says so, and where, before the script ends with its error.
report_failure() { echo "${0##*/}: failed with status $1: $2 ($3:$4)" >&2; }
trap 'report_failure $? "$BASH_COMMAND" "${BASH_SOURCE[0]}" "$LINENO"' ERR
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$top"

# Debian packages the build and the program need, by names that Debian 12 and 13 share.
packages=(
    cmake g++ ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libxcb1-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2 valgrind
)
# ...and what the tests need besides: the package checkers (piuparts for an install and purge), the
# sanitizer and fuzz builds, the format check, the comma locale of the number tests, X servers with
# real window managers (openbox, metacity, KDE's KWin) and the screen reader.
test_packages=(
    desktop-file-utils appstream dpkg-dev file lintian man-db groff-base piuparts debootstrap
    clang libclang-rt-dev clang-format
    xvfb openbox metacity kwin-x11 kwin-style-breeze xdotool x11-utils
    orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng python3-speechd
    at-spi2-core dbus dbus-x11 alsa-utils libasound2-plugins locales
)
# ...and what the Windows build needs: Qt's source and its build, MinGW-w64, GoogleTest's
# sources, NSIS for the setup, zip for the portable program.
windows_packages=(
    dpkg-dev perl g++-mingw-w64-x86-64-posix googletest nsis zip
)
# ...and what the tests of a Windows build need where they run, on Debian 12 and in Debian 13's
# root: CTest, MinGW-w64's objdump, Wine with its fonts (Tahoma, Windows' dialog font) and the
# system's Liberation Sans (the program's font where Microsoft Sans Serif is missing, as under
# Wine, which finds it through fontconfig), on an X server with a window manager.
wine_packages=(
    cmake binutils-mingw-w64-x86-64 wine64 fonts-wine fonts-liberation2
    xvfb openbox xdotool x11-utils
)

# In CI (CI=true) compiler warnings are errors, in every build of every script.
werror=-DQUORVANT_WERROR=$([ "${CI:-}" = true ] && echo ON || echo OFF)

install_missing() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        if [ "$(id -u)" -ne 0 ]; then
            echo "Missing packages; run this script as root to install them." >&2
            exit 1
        fi
        # Another install on the machine (a second script, the desktop's updater) holds apt's
        # locks for a while: wait for it rather than fail.
        local wait=(-o DPkg::Lock::Timeout=900)
        apt-get "${wait[@]}" update -q
        DEBIAN_FRONTEND=noninteractive apt-get "${wait[@]}" install -y -q --no-install-recommends \
            "${missing[@]}"
    fi
}

# configure_and_build PRESET DIR [cmake options...]: one of CMakePresets.json's builds, into DIR.
configure_and_build() {
    local preset=$1 dir=$2
    shift 2
    cmake --preset "$preset" -B "$dir" "$@"
    cmake --build "$dir" --parallel "$(nproc)"
}

# build_dir [KIND]: the build directory of one kind of build (build, build-asan, build-fuzz...).
# QUORVANT_BUILD_PREFIX puts a whole run's builds elsewhere, beside those of other people.
build_dir() {
    local prefix=${QUORVANT_BUILD_PREFIX:-build}
    echo "$prefix${1:+-$1}"
}

# stage NAME COMMAND...: runs one stage of a script and says how long it took.
stage() {
    local name=$1 start=$SECONDS
    shift
    echo "=== $name"
    "$@"
    echo "=== $name: $((SECONDS - start)) s"
}

# clone_tree DIR: a clone of the tree with its history, and its uncommitted changes over it.
clone_tree() {
    git clone -q --no-hardlinks "$top" "$1"
    local f
    git ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' f; do
            # A tracked file deleted but not yet committed is left out here, and removed below.
            if [ -e "$f" ]; then printf '%s\0' "$f"; fi
        done |
        tar --null -T - -cf - | tar -xf - -C "$1"
    git diff -z --name-only --diff-filter=D HEAD | (cd "$1" && xargs -0 -r rm -f --)
}

# The stages of build_for_windows.
windows_qt_stage() { QUORVANT_QT_WINDOWS=$(bash scripts/windows-qt | tail -n1); }
# Qt Svg is not there for Windows: the pictures are rendered at build time by the host's build of
# the tree's renderer.
host_renderer_stage() {
    local normal=$1
    [ -f "$normal/CMakeCache.txt" ] || cmake --preset default -B "$normal" "$werror"
    cmake --build "$normal" --target quorvant_render_icon
}

# build_for_windows [TARGET...]: Quorvant for Windows as scripts/windows builds it: Qt for Windows
# once per machine (scripts/windows-qt, cached outside the clone; its prefix exported as
# QUORVANT_QT_WINDOWS), the host's picture renderer in $(build_dir), then in $(build_dir windows)
# the program, its portable .zip, its setup and the tests, or only the targets named.
build_for_windows() {
    local normal windows
    normal=$(build_dir)
    windows=$(build_dir windows)
    stage "Qt for Windows" windows_qt_stage
    export QUORVANT_QT_WINDOWS
    echo "Qt for Windows: $QUORVANT_QT_WINDOWS"
    stage "the picture renderer ($normal)" host_renderer_stage "$normal"
    stage "configure for Windows ($windows)" cmake --preset windows -B "$windows" "$werror" \
        -DQUORVANT_RENDER_TOOL="$top/$normal/packaging/quorvant_render_icon"
    stage "build for Windows ($windows)" \
        cmake --build "$windows" --parallel "$(nproc)" ${1+--target "$@"}
}
