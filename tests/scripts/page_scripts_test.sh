#!/usr/bin/env bash
# Runs the page clean-up scripts against real documents: node with jsdom (the version pinned
# by tests/pagescripts/package-lock.json, installed under build/pagescripts), and the scripts
# as the program prepares them (print_page_script of the native build, built here if needed).
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
work=build/pagescripts

if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    bash scripts/deps.sh node || exit 1
fi

# Installed again only when the pinned versions changed.
if ! cmp -s tests/pagescripts/package-lock.json "$work/package-lock.json" ||
    [ ! -d "$work/node_modules/jsdom" ]; then
    mkdir -p "$work"
    cp tests/pagescripts/package.json tests/pagescripts/package-lock.json "$work/"
    (cd "$work" && npm ci --no-audit --no-fund) || {
        echo "FAIL: installing jsdom from tests/pagescripts/package-lock.json"
        exit 1
    }
fi

if [ ! -f build/native/CMakeCache.txt ]; then
    cmake --preset native >/dev/null || exit 1
fi
cmake --build --preset native --target print_page_script -j "$(nproc 2>/dev/null || echo 2)" \
    >/dev/null || {
    echo "FAIL: building print_page_script"
    exit 1
}

PRINT_PAGE_SCRIPT=$root/build/native/tests/print_page_script NODE_PATH=$root/$work/node_modules \
    node --test tests/pagescripts/
