#!/usr/bin/env bash
# Drives scripts/test.sh in a copy of the scripts folder with stand-ins for cmake, ctest, the
# package check, the fuzz runs and the Wine loaders: checks the order of the steps (native
# results before anything Windows can fail), the counting, the skip line of an architecture
# that cannot start here, and that a run where no architecture can run fails.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
expect() {
    local what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        echo "  output:"
        sed 's/^/    /' "$work/out"
        failures=$((failures + 1))
    fi
}

tree=$work/tree
mkdir -p "$tree/scripts" "$tree/tests/scripts" "$tree/tests/smoke/cross" "$work/bin" "$work/loaders"
cp "$root/scripts/test.sh" "$root/scripts/wine-env.sh" "$root/scripts/wine-probe.c" "$tree/scripts/"
printf '#!/usr/bin/env bash\nexit 0\n' >"$tree/scripts/deps.sh"
cat >"$tree/scripts/fuzz.sh" <<'STUB'
#!/usr/bin/env bash
echo "fuzz $*" >>"$STEPS"
case $1 in
--list) printf 'first\nsecond\n' ;;
--no-build)
    if [ "$3" = "${FAIL_FUZZ:-}" ]; then
        echo "fuzz $3: FAILED (exit 1) after 1 executions"
        exit 1
    fi
    echo "fuzz $3: 1 executions in 0 s, clean"
    ;;
esac
exit 0
STUB
printf '#!/usr/bin/env bash\necho "cross $*" >>"$STEPS"\nexit 0\n' >"$tree/tests/smoke/cross/handover_cross.sh"
printf '#!/usr/bin/env bash\nexit 0\n' >"$tree/tests/scripts/sample_test.sh"

# cmake fails the build of the preset named in $FAIL_BUILD; ctest passes 3 tests per preset.
cat >"$work/bin/cmake" <<'STUB'
#!/usr/bin/env bash
echo "cmake $*" >>"$STEPS"
[ "$1" = --build ] && [ "$3" = "${FAIL_BUILD:-}" ] && exit 1
exit 0
STUB
cat >"$work/bin/ctest" <<'STUB'
#!/usr/bin/env bash
echo "ctest $*" >>"$STEPS"
echo "100% tests passed, 0 tests failed out of 3"
STUB
cat >"$work/bin/wineserver" <<'STUB'
#!/usr/bin/env bash
exit 0
STUB
for triple in i686-w64-mingw32 x86_64-w64-mingw32; do
    printf '#!/usr/bin/env bash\nwhile [ "$1" != -o ]; do shift; done; touch "$2"\n' >"$work/bin/$triple-gcc"
done
chmod +x "$work/bin"/*
loader() {  # name, ok | noexec
    if [ "$2" = noexec ]; then
        printf '#!/usr/bin/env bash\necho "Exec format error" >&2\nexit 126\n' >"$work/loaders/$1"
    else
        cat >"$work/loaders/$1" <<'STUB'
#!/usr/bin/env bash
case $1 in
wineboot) mkdir -p "$WINEPREFIX"; echo reg >"$WINEPREFIX/system.reg" ;;
*.exe) [ "$WINEARCH" = win64 ] && echo "lumbrel-probe 64" || echo "lumbrel-probe 32" ;;
esac
exit 0
STUB
    fi
    chmod +x "$work/loaders/$1"
}

run_test_sh() {
    rm -rf "$tree/build" "$work/wine"
    export STEPS=$work/steps
    : >"$STEPS"
    PATH=$work/bin:$PATH LUMBREL_WINE_DIR=$work/wine LUMBREL_WINE_LOADER_DIR=$work/loaders \
        DISPLAY=${DISPLAY:-} bash "$tree/scripts/test.sh" >"$work/out" 2>&1
    rc=$?
}
line_of() { grep -n -- "$1" "$STEPS" | head -n 1 | cut -d: -f1; }
last_line() { tail -n 1 "$work/out"; }

# This machine's case: 32-bit programs cannot start, 64-bit ones can.
loader wine noexec
loader wine64 ok
run_test_sh
expect "one arch runs: success" test "$rc" -eq 0
expect "the native tests run before any Windows build" \
    test "$(line_of 'ctest --preset native ')" -lt "$(line_of 'cmake --preset windows')"
expect "and the sanitizer tests too" \
    test "$(line_of 'ctest --preset native-asan')" -lt "$(line_of 'cmake --preset windows')"
expect "the fuzz targets run after the sanitizer tests" \
    test "$(line_of 'ctest --preset native-asan')" -lt "$(line_of 'fuzz --build')"
expect "each for 15 s" test -n "$(line_of 'fuzz --no-build 15 first')" -a -n "$(line_of 'fuzz --no-build 15 second')"
expect "both architectures are built" \
    test -n "$(line_of 'cmake --build --preset windows ')" -a -n "$(line_of 'cmake --build --preset windows64')"
expect "the 64-bit tests run" test -n "$(line_of 'ctest --preset windows64')"
expect "the 32-bit tests do not" test -z "$(grep -E 'ctest --preset windows( |$)' "$STEPS")"
expect "one line says why i686 was skipped" grep -q "32-bit programs cannot start on this machine.*skipping the i686 runs" "$work/out"
expect "the cross-architecture run is skipped" test -z "$(line_of cross)"
# native 3 + asan 3 + two fuzz targets + the script test + windows64 3
expect "the closing line counts every result" grep -q -E '^12 passed, 0 failed$' <<<"$(last_line)"
expect "skipped tests are not counted as passed" test "$(last_line | cut -d' ' -f1)" -lt 20

# Both run: both test runs and the cross-architecture hand-over.
loader wine ok
run_test_sh
expect "both archs: success" test "$rc" -eq 0
expect "both archs: the 32-bit tests run" test -n "$(grep -E 'ctest --preset windows( |$)' "$STEPS")"
expect "both archs: the cross-architecture hand-over runs" test -n "$(line_of cross)"

# A failing Windows build: the native results are already in and the run fails.
loader wine noexec
FAIL_BUILD=windows64 run_test_sh
expect "a failed build fails the run" test "$rc" -ne 0
expect "after the native tests ran" test -n "$(line_of 'ctest --preset native ')"
expect "with a closing line" grep -q -E '^[0-9]+ passed, [1-9][0-9]* failed$' <<<"$(last_line)"
unset FAIL_BUILD

# A fuzz target that finds something is one failed test; the rest of the run goes on.
loader wine noexec
FAIL_FUZZ=first run_test_sh
expect "a failing fuzz target fails the run" test "$rc" -ne 0
expect "as one failure among the other results" grep -q -E '^11 passed, 1 failed$' <<<"$(last_line)"
unset FAIL_FUZZ

# Neither architecture can start: that is a failure, not a pass.
loader wine64 noexec
run_test_sh
expect "no arch can run: the run fails" test "$rc" -ne 0
expect "and says so" grep -q "no Windows architecture can run" "$work/out"

[ $failures -eq 0 ] && echo "test_sh_test: passed" || echo "test_sh_test: $failures failed"
exit $((failures > 0))
