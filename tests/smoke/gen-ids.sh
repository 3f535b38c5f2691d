#!/usr/bin/env bash
# Writes shell assignments NAME=VALUE for every numeric id the program's headers define
# (#define NAME NUMBER, or "inline constexpr ... NAME = NUMBER;"), so that smoke scripts name
# commands, dialogs and messages exactly as the program does.
#   gen-ids.sh OUTPUT HEADER...
set -euo pipefail
out=${1:?output}
shift
tmp=$out.tmp
{
    echo "# Generated from the program's headers at build time; do not edit."
    sed -n -E \
        -e 's/^[[:space:]]*#define[[:space:]]+([A-Z][A-Z0-9_]*)[[:space:]]+((0x[0-9A-Fa-f]+)|([0-9]+))([[:space:]].*)?$/\1=$((\2))/p' \
        -e 's/^[[:space:]]*inline constexpr [a-z0-9_:]+ ([A-Za-z][A-Za-z0-9_]*) = ((0x[0-9A-Fa-f]+)|([0-9]+));.*$/\1=$((\2))/p' \
        "$@"
} >"$tmp"
mv "$tmp" "$out"
