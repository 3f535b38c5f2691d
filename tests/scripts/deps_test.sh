#!/usr/bin/env bash
# Drives scripts/deps.sh against stand-ins for apt-get, dpkg, dpkg-query and id on PATH: the
# real system is never touched. Each case sets what the stand-ins answer and checks what
# deps.sh did (its exit code, what it said, the apt-get calls it made).
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# The stand-ins read their answers from $STUB (a folder): installed (one package per line),
# uid, foreign (foreign architectures), update_rc, and install_plan (one line per install
# call: "ok", "broken" or "missing"). Every apt-get call is appended to $STUB/calls.
mkdir -p "$work/bin"
cat >"$work/bin/dpkg-query" <<'STUB'
#!/usr/bin/env bash
pkg=${!#}
grep -qx -- "$pkg" "$STUB/installed" && printf 'install ok installed' && exit 0
exit 1
STUB
cat >"$work/bin/dpkg" <<'STUB'
#!/usr/bin/env bash
case $1 in
--print-foreign-architectures) cat "$STUB/foreign" 2>/dev/null ;;
--add-architecture) echo "$2" >>"$STUB/foreign"; echo "dpkg $*" >>"$STUB/calls" ;;
esac
STUB
cat >"$work/bin/id" <<'STUB'
#!/usr/bin/env bash
cat "$STUB/uid"
STUB
cat >"$work/bin/apt-get" <<'STUB'
#!/usr/bin/env bash
echo "apt-get $*" >>"$STUB/calls"
if [ "$1" = update ]; then
    if [ "$(cat "$STUB/update_rc")" != 0 ]; then
        echo "E: Failed to fetch http://deb.invalid/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
        echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
        exit 100
    fi
    exit 0
fi
n=$(grep -c '^apt-get install' "$STUB/calls")
plan=$(sed -n "${n}p" "$STUB/install_plan")
case $plan in
ok)
    for a in "$@"; do case $a in -* | install | bookworm) ;; *) echo "$a" >>"$STUB/installed" ;; esac; done
    exit 0 ;;
broken)
    echo " libwine : Depends: libgstreamer-plugins-base1.0-0 (>= 1.0.0) but it is not installable"
    echo "E: Unable to correct problems, you have held broken packages."
    exit 100 ;;
*)
    echo "E: Unable to locate package ${!#}"
    exit 100 ;;
esac
STUB
chmod +x "$work/bin"/*

# A fresh state: $1 = uid, the rest = "installed" packages.
setup() {
    export STUB=$work/case$((++case_no))
    mkdir -p "$STUB"
    echo "$1" >"$STUB/uid"
    shift
    printf '%s\n' "$@" >"$STUB/installed"
    : >"$STUB/calls"
    : >"$STUB/foreign"
    echo 0 >"$STUB/update_rc"
    printf 'ok\n' >"$STUB/install_plan"
    printf 'PRETTY_NAME="Debian GNU/Linux 12"\nVERSION_CODENAME=bookworm\n' >"$STUB/os-release"
}
case_no=0

run_deps() {
    out=$(PATH=$work/bin:$PATH LUMBREL_OS_RELEASE=$STUB/os-release bash "$root/scripts/deps.sh" "$@" 2>&1)
    rc=$?
}

expect() {  # description, command...
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        echo "  exit $rc; output:"
        sed 's/^/    /' <<<"$out"
        echo "  calls:"
        sed 's/^/    /' "$STUB/calls"
        failures=$((failures + 1))
    fi
}
said() { grep -q -- "$1" <<<"$out"; }
called() { grep -q -- "$1" "$STUB/calls"; }
installs() { grep -c '^apt-get install' "$STUB/calls"; }
native_set=(cmake make g++ libgtest-dev googletest libbenchmark-dev)

# Nothing missing: nothing is run.
setup 0 "${native_set[@]}"
run_deps native
expect "nothing missing: success without apt" test "$rc" -eq 0 -a ! -s "$STUB/calls"

# Not root: the exact commands, no apt-get, failure.
setup 1000 cmake make g++
run_deps native
expect "not root: fails" test "$rc" -ne 0
expect "not root: names the install command" \
    said "apt-get install -y --no-install-recommends googletest libbenchmark-dev libgtest-dev"
expect "not root: runs nothing" test ! -s "$STUB/calls"

# A half-synced mirror: update fails for one index; the install goes on and succeeds.
setup 0 cmake make g++ libgtest-dev googletest
echo 100 >"$STUB/update_rc"
run_deps native
expect "partial update failure: success" test "$rc" -eq 0
expect "partial update failure: reported" said "apt-get update failed for some package indexes"
expect "partial update failure: one install, not pinned" test "$(installs)" -eq 1 -a -z "$(grep -- ' -t ' "$STUB/calls")"
expect "partial update failure: package installed" grep -qx libbenchmark-dev "$STUB/installed"

# Broken multi-arch pairs: the install is retried once, pinned to the main suite.
setup 0 "${native_set[@]}" clang libclang-rt-14-dev g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix xvfb x11-utils imagemagick
echo 100 >"$STUB/update_rc"
printf 'broken\nok\n' >"$STUB/install_plan"
run_deps test
expect "broken pairs: success after the retry" test "$rc" -eq 0
expect "broken pairs: i386 architecture added" called "dpkg --add-architecture i386"
expect "broken pairs: exactly two installs" test "$(installs)" -eq 2
expect "broken pairs: the retry pins the main suite" \
    called "apt-get install -y -q --no-install-recommends -t bookworm wine wine32:i386 wine64"
expect "broken pairs: wine32 installed" grep -qx 'wine32:i386' "$STUB/installed"

# Broken pairs that the pinned retry cannot mend either: the command, failure.
setup 0 "${native_set[@]}" clang libclang-rt-14-dev g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix xvfb x11-utils imagemagick
printf 'broken\nbroken\n' >"$STUB/install_plan"
run_deps test
expect "still broken: fails" test "$rc" -ne 0
expect "still broken: no third try" test "$(installs)" -eq 2
expect "still broken: names what is missing and the commands" \
    said "could not be installed: wine wine32:i386 wine64"
expect "still broken: the pinned command too" said "apt-get install -y -t bookworm"

# A package that does not exist: no pinned retry (it would not help), the command, failure.
setup 0 cmake make g++ libgtest-dev googletest
printf 'missing\n' >"$STUB/install_plan"
run_deps native
expect "missing package: fails" test "$rc" -ne 0
expect "missing package: one install only" test "$(installs)" -eq 1
expect "missing package: names the command" said "apt-get install -y --no-install-recommends libbenchmark-dev"

[ $failures -eq 0 ] && echo "deps_test: passed" || echo "deps_test: $failures failed"
exit $((failures > 0))
