#!/usr/bin/env bash
# Checks that every C++ source and header of the project is in the house format of .clang-format.
# With --fix, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --with-format
mapfile -t files < <(find app bench core forms fuzz programs reports tests tools -name '*.cpp' -o -name '*.h' | sort)
if [ "${1:-}" = "--fix" ]; then
    clang-format-14 -i "${files[@]}"
else
    clang-format-14 --dry-run --Werror "${files[@]}"
fi
