# Shared by scripts/run, scripts/test and scripts/bench: the project's Debian packages and its
# build steps.
set -euo pipefail

RIGVET_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# Every Debian package the project builds, runs or tests with. Kept in this one place.
RIGVET_PACKAGES=(
    cmake ninja-build g++ pkg-config clang libclang-rt-14-dev
    libgtest-dev libgmock-dev
    libpugixml-dev libxml2-dev nlohmann-json3-dev libcli11-dev
    libcpprest-dev libssl-dev openssl
    qt6-base-dev xvfb xauth fonts-dejavu-core
    pciutils pci.ids libvulkan1 libvulkan-dev mesa-vulkan-drivers
    locales tzdata valgrind python3-jsonschema
    g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 mingw-w64-tools googletest wine wine64
    imagemagick x11-apps xdotool tmux
)
# What making and testing the shipped files needs besides (scripts/package, scripts/test): CPack's
# helpers for the Debian package, the package and metadata checkers, the manual page viewer, the
# zip tools, the MSI builder and reader and the Authenticode signer, and Ansible with apt support
# and an SSH client for the fleet playbook (the ansible package for its bundled ansible.windows
# collection, ansible-lint for the role). scripts/run does without them.
RIGVET_PACKAGING_PACKAGES=(
    dpkg-dev file lintian appstream man-db zip unzip wixl msitools osslsigncode
    ansible-core ansible ansible-lint python3-apt openssh-client
)

# The peers that scripts/bench measures Rigvet against; installed by the bench only.
RIGVET_BENCH_PACKAGES=(inxi neofetch python3 python3-lxml)

# The packages named (all of RIGVET_PACKAGES when none are) that are not installed.
rigvet_missing_packages() {
    local package
    [ $# -gt 0 ] || set -- "${RIGVET_PACKAGES[@]}"
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            echo "$package"
        fi
    done
}

# Installs what is missing of the packages named (RIGVET_PACKAGES when none are).
rigvet_install_packages() {
    local missing
    missing="$(rigvet_missing_packages "$@")"
    [ -z "$missing" ] && return 0
    echo "Installing Debian packages:" $missing
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends $missing
}

# A locale with a decimal comma, so the tests can show that the report's numbers are read the
# same way under it. Generated once; the tests skip that case when it is missing.
rigvet_ensure_comma_locale() {
    locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "Could not generate de_DE.UTF-8; its test will be skipped."
}

# The source of the installed pugixml, which the Linux builds compile in compact mode. Without it
# they use the distribution's library, at about twice the memory for a report; a build goes on.
rigvet_fetch_pugixml() {
    "$RIGVET_ROOT/scripts/fetch-pugixml" >&2 ||
        echo "pugixml's source could not be fetched; the distribution's library is used" >&2
}

# Configures one preset once; later builds let CMake notice changes by itself.
rigvet_configure() {
    cd "$RIGVET_ROOT"
    rigvet_fetch_pugixml
    if [ ! -f "build/$1/CMakeCache.txt" ]; then
        cmake --preset "$1" >/dev/null
    fi
}

# Configures (once) and builds one preset: debug (sanitizers), release or fuzz. Further arguments
# name the targets to build (all when none are named).
rigvet_build() {
    local preset="$1"
    shift
    rigvet_configure "$preset"
    if [ $# -gt 0 ]; then
        cmake --build --preset "$preset" --target "$@"
    else
        cmake --build --preset "$preset"
    fi
}

# The optimised build that the benchmarks run: no sanitizers and no dialog, but the test-support
# library, whose loopback server and generated reports the benchmarks use. Further arguments name
# the targets to build.
rigvet_build_bench() {
    cd "$RIGVET_ROOT"
    rigvet_fetch_pugixml
    if [ ! -f build/bench/CMakeCache.txt ]; then
        cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DRIGVET_BUILD_TESTS=ON \
            -DRIGVET_BUILD_GUI=OFF -DRIGVET_BUILD_BENCHMARKS=ON >/dev/null
    fi
    cmake --build build/bench --target "$@"
}
