# Shared by scripts/run and scripts/test: the packages the build needs and how to get them.
# Sourced, not run.

TARNVALE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TARNVALE_JOBS=${JOBS:-2}
# BUILD and ASAN_BUILD move the build folders elsewhere; BUILD_TYPE changes Release.
TARNVALE_BUILD_TYPE=${BUILD_TYPE:-Release}
TARNVALE_BUILD=${BUILD:-$TARNVALE_ROOT/build}
TARNVALE_ASAN_BUILD=${ASAN_BUILD:-$TARNVALE_ROOT/build-asan}

# Everything to build the program and its tests and to look at it on a virtual display.
TARNVALE_PACKAGES=(build-essential cmake g++ clang clang-format libgtest-dev libgmock-dev
    googletest libbenchmark-dev qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
    fonts-noto-cjk xvfb xauth qt6-translations-l10n nlohmann-json3-dev libssl-dev poppler-utils
    libxml2-dev libcurl4-openssl-dev radicale)
# What scripts/package needs besides: man pages, icons, checks of the package and what it installs.
TARNVALE_PACKAGE_TOOLS=(dpkg-dev fakeroot scdoc librsvg2-bin lintian desktop-file-utils appstream
    groff man-db shared-mime-info libfile-mimeinfo-perl)

tarnvale_missing_packages() {
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            printf '%s\n' "$package"
        fi
    done
}

# Installs what is missing when run as root; otherwise prints the command and stops.
tarnvale_ensure_packages() {
    if ! command -v dpkg-query >/dev/null; then
        echo "$(basename "$0"): not a Debian system; make sure these are installed: $*" >&2
        return 0
    fi
    local missing
    mapfile -t missing < <(tarnvale_missing_packages "$@")
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    if [[ $(id -u) -eq 0 ]]; then
        echo "$(basename "$0"): installing ${missing[*]}"
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    else
        echo "$(basename "$0"): missing packages; install them with:" >&2
        echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
}

# Configures and builds one build folder: tarnvale_build FOLDER [TARGET...] -- [CMAKE OPTION...]
tarnvale_build() {
    local folder=$1
    shift
    local targets=()
    while (($# > 0)) && [[ $1 != -- ]]; do
        targets+=(--target "$1")
        shift
    done
    (($# > 0)) && shift
    cmake -S "$TARNVALE_ROOT" -B "$folder" "$@"
    cmake --build "$folder" -j"$TARNVALE_JOBS" "${targets[@]}"
}
