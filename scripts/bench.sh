#!/usr/bin/env bash
# `make bench`: builds the benchmarks natively and runs each of them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/deps.sh
cmake --preset native
cmake --build --preset native -j "$(nproc 2>/dev/null || echo 2)"
for b in build/native/bench/*_bench; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    "$b" --benchmark_counters_tabular=true
done
