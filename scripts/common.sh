# Shared by the scripts: install what is missing, configure and build, a virtual display.
# Sourced, not run.

TAVENOR_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Debian packages that building, testing and running need.
TAVENOR_PACKAGES=(
    cmake ninja-build g++ pkg-config libyaml-dev python3-yaml
    qt6-base-dev libgl-dev
    libgtest-dev libbenchmark-dev
    fonts-wqy-microhei fonts-noto-cjk fontconfig qt6-translations-l10n
    unicode-data python3 python3-icu python3-mido
    desktop-file-utils appstream binutils-mingw-w64-x86-64
    clang-format-14
)

# What scripts/package needs besides: Debian's build flags and dependency finder, the manual page
# maker, and the package checker.
TAVENOR_PACKAGE_PACKAGES=(
    dpkg-dev file help2man lintian
)

# What scripts/screenshot needs besides: a virtual display, a window manager, a typist and a camera.
TAVENOR_SCREENSHOT_PACKAGES=(
    xvfb xauth openbox xdotool imagemagick
)

# What scripts/windows-qt needs besides to cross-build Qt and libyaml: the mingw-w64 compilers with
# the POSIX thread model that Qt needs, Wine's tablet headers, and what takes Debian's sources.
TAVENOR_WINDOWS_BUILD_PACKAGES=(
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
    libwine-dev dpkg-dev xz-utils
)

# What scripts/windows needs besides to run and ship the Windows build: Wine, GoogleTest's source
# (built along for Windows), the installer maker, the zip tools, a terminal to type at the console
# in, and a virtual display with a window finder.
TAVENOR_WINDOWS_PACKAGES=(
    wine64 wine googletest nsis zip unzip tmux xvfb xdotool
)

# What the fuzz preset needs besides: clang with libFuzzer and the sanitizer runtimes.
TAVENOR_FUZZ_PACKAGES=(
    clang-14 libclang-rt-14-dev
)

# What the tidy preset needs besides: clang to compile the core, and clang-tidy to read it.
TAVENOR_TIDY_PACKAGES=(
    clang-14 clang-tidy-14
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs the named Debian packages that are not installed yet; does nothing (and asks no
# network) when all are there.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ "${#missing[@]}" -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures (once) and builds one CMake preset. TAVENOR_WERROR=ON (as .ci/run sets it) makes
# warnings errors.
build_preset() {
    local preset="$1"
    cmake --preset "$preset" -DCMAKE_COMPILE_WARNING_AS_ERROR="${TAVENOR_WERROR:-OFF}" >/dev/null
    cmake --build --preset "$preset"
}

# Fails, naming the files, when a C++ file of the project does not follow .clang-format.
check_formatting() {
    local unformatted=()
    local file
    while IFS= read -r file; do
        clang-format-14 --style=file --dry-run --Werror "$TAVENOR_ROOT/$file" >/dev/null 2>&1 \
            || unformatted+=("$file")
    done < <(cd "$TAVENOR_ROOT" && find . -path ./build -prune -o -path ./.git -prune -o \
        -type f \( -name '*.cpp' -o -name '*.h' \) -print | sort)
    if [ "${#unformatted[@]}" -gt 0 ]; then
        echo "Not formatted (run clang-format-14 -i on them):" >&2
        printf '    %s\n' "${unformatted[@]}" >&2
        return 1
    fi
}

# Adds a command to those run when the script ends, however it ends; the latest runs first.
at_exit() {
    TAVENOR_AT_EXIT="$1; ${TAVENOR_AT_EXIT:-}"
    trap "$TAVENOR_AT_EXIT" EXIT
}

# Starts a virtual display of the given size (e.g. 800x600) on the first free display number, for
# the rest of the script (DISPLAY names it); it closes when the script ends.
start_virtual_display() {
    local number_file
    number_file="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    local server=$!
    at_exit "kill $server 2>/dev/null || true"
    # The server writes its number once it accepts connections.
    until [ -s "$number_file" ]; do
        kill -0 "$server" 2>/dev/null || { echo "Xvfb did not start" >&2; return 1; }
        sleep 0.1
    done
    export DISPLAY=":$(cat "$number_file")"
    rm -f "$number_file"
}
