#!/usr/bin/env bash
# Makes sure the build and test tools are installed (Debian 12). As root with apt it installs
# what is missing; otherwise it prints the exact commands to run and fails.
#   deps.sh [test]   everything `make test` needs (the default)
#   deps.sh native   the native build, its tests and benchmarks only (no Wine, MinGW or X)
#   deps.sh run      what `make run` needs
#   deps.sh bench    the native benchmarks and the Windows one under Wine
#   deps.sh fuzz     the native build and clang with libFuzzer
#   deps.sh node     node and npm, for the page scripts' tests (asked for only when the
#                    commands are missing: a machine may have them from another source)
#
# Package mirrors are sometimes caught half-synced: `apt-get update` then fails for one index
# only, and the i386 libraries can no longer match their newer amd64 twins ("held broken
# packages"). A partial update failure is reported and the install goes on; an install that
# fails on broken pairs is retried once with the target release pinned to the main suite,
# which takes both twins from the same suite.
set -uo pipefail

native=(cmake make g++ libgtest-dev googletest libbenchmark-dev)
fuzz=(clang libclang-rt-14-dev)
windows=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix googletest
         wine wine64 wine32:i386 xvfb x11-utils)
case ${1:-test} in
test) want=("${native[@]}" "${fuzz[@]}" "${windows[@]}" imagemagick) ;;
native) want=("${native[@]}") ;;
run) want=(cmake make "${windows[@]}") ;;
bench) want=("${native[@]}" "${windows[@]}") ;;
fuzz) want=("${native[@]}" "${fuzz[@]}") ;;
node) want=(nodejs npm) ;;
*)
    echo "usage: deps.sh [test|native|run|bench|fuzz|node]" >&2
    exit 2
    ;;
esac

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

missing_packages() {
    local pkg
    for pkg in "${want[@]}"; do
        installed "$pkg" || echo "$pkg"
    done | sort -u
}

mapfile -t missing < <(missing_packages)
[ ${#missing[@]} -eq 0 ] && exit 0

needs_i386=0
for pkg in "${missing[@]}"; do
    case $pkg in *:i386) needs_i386=1 ;; esac
done

# The main suite of this Debian release ("bookworm"), for the pinned retry.
main_suite() {
    local file=${LUMBREL_OS_RELEASE:-/etc/os-release} codename=
    [ -r "$file" ] && codename=$(sed -n -E 's/^VERSION_CODENAME="?([a-z]+)"?$/\1/p' "$file" | head -n 1)
    echo "${codename:-bookworm}"
}

tell_commands() {
    echo "Install them as root:" >&2
    [ $needs_i386 -eq 1 ] && echo "  dpkg --add-architecture i386 && apt-get update" >&2
    echo "  apt-get install -y --no-install-recommends ${missing[*]}" >&2
    echo "  (if apt says \"held broken packages\": apt-get install -y -t $(main_suite) --no-install-recommends ${missing[*]})" >&2
}

echo "Missing packages: ${missing[*]}"
if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
    tell_commands
    exit 1
fi

if [ $needs_i386 -eq 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386 || {
        tell_commands
        exit 1
    }
fi
export DEBIAN_FRONTEND=noninteractive
log=$(mktemp)
trap 'rm -f "$log"' EXIT

apt-get update -q 2>&1 | tee "$log"
if [ "${PIPESTATUS[0]}" -ne 0 ] || grep -q '^E: ' "$log"; then
    echo "apt-get update failed for some package indexes (above); going on with the indexes it has."
fi

install() {  # extra apt-get options
    apt-get install -y -q --no-install-recommends "$@" "${missing[@]}" 2>&1 | tee "$log"
    return "${PIPESTATUS[0]}"
}

if ! install; then
    if grep -q -E 'held broken packages|Unable to correct problems|is not going to be installed' "$log"; then
        suite=$(main_suite)
        echo "The install failed on packages whose versions do not match (a mirror caught mid-sync?);"
        echo "trying once more with the target release pinned to \"$suite\"."
        install -t "$suite"
    fi
fi

mapfile -t still < <(missing_packages)
if [ ${#still[@]} -ne 0 ]; then
    missing=("${still[@]}")
    echo "These packages could not be installed: ${still[*]}" >&2
    tell_commands
    exit 1
fi
echo "Installed: ${missing[*]}"
