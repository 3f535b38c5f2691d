#!/usr/bin/env bash
# Reads the build files for rules a build would not notice losing: every program and library
# of ours is compiled with the project's warnings as errors, whichever folder defines it.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
failures=0

# Prints "file: target" for each target a CMakeLists.txt defines without strict warnings; the
# target is matched as written, so a loop's ${name} must be named the same way.
unchecked_targets() {
    local file target
    for file in "$@"; do
        while read -r target; do
            grep -q -E "lumbrel_strict_warnings\\([[:space:]]*${target//[\$\{\}]/.}[[:space:]]*\\)" "$file" ||
                echo "$file: $target"
        done < <(sed -n -E 's/^[[:space:]]*add_(executable|library)\(([^ )]+).*/\2/p' "$file")
    done
}

files=$(cd "$root" && find . -name CMakeLists.txt -not -path './build/*' -not -path './.git/*' | sort)
missing=$(cd "$root" && unchecked_targets $files)
if [ -z "$missing" ]; then
    echo "ok: every target is built with warnings as errors ($(wc -w <<<"$files") build files)"
else
    echo "FAILED: targets built without warnings as errors:"
    sed 's/^/    /' <<<"$missing"
    failures=$((failures + 1))
fi

# The rule must see a target that lost its line.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
printf 'add_executable(kept a.cpp)\nlumbrel_strict_warnings(kept)\nforeach(n a b)\n    add_executable(${n}_tool ${n}.cpp)\nendforeach()\n' \
    >"$scratch/CMakeLists.txt"
if [ "$(unchecked_targets "$scratch/CMakeLists.txt")" = "$scratch/CMakeLists.txt: \${n}_tool" ]; then
    echo "ok: a target without the line is found"
else
    echo "FAILED: a target without the line is not found"
    failures=$((failures + 1))
fi

[ $failures -eq 0 ] && echo "build_rules_test: passed" || echo "build_rules_test: $failures failed"
exit $((failures > 0))
