#!/usr/bin/env bash
# Makes sure the build and test tools are installed (Debian 12). As root with apt it installs
# what is missing; otherwise it prints the exact packages to install and fails.
#   deps.sh            everything `make test` needs
#   deps.sh run        what `make run` needs
set -euo pipefail

want=(cmake make g++ libgtest-dev googletest libbenchmark-dev
      g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine32:i386 wine64 xvfb
      imagemagick x11-utils)
[ "${1:-}" = run ] && want=(cmake make g++-mingw-w64-i686-posix googletest wine wine32:i386 xvfb x11-utils)

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

missing=()
for pkg in "${want[@]}"; do
    installed "$pkg" || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

needs_i386=0
for pkg in "${missing[@]}"; do
    case $pkg in *:i386) needs_i386=1 ;; esac
done

if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
    echo "Missing packages. Install them as root:" >&2
    [ $needs_i386 -eq 1 ] && echo "  dpkg --add-architecture i386 && apt-get update" >&2
    echo "  apt-get install -y ${missing[*]}" >&2
    exit 1
fi

echo "Installing: ${missing[*]}"
if [ $needs_i386 -eq 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
