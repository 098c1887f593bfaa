#!/usr/bin/env bash
# Runs the benchmarks: start-up (median of N runs of the program and of a bare Qt Widgets
# program, alternating, offscreen) and one Programm 1 calculation through the core.
set -euo pipefail
cd "$(dirname "$0")/.."
builddir=${BUILD_DIR:-build-bench}
runs=${RUNS:-10}
cmake -S . -B "$builddir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$builddir" --target bench_pgm1calc bench_startup_program bench_startup_bare >/dev/null
export QT_QPA_PLATFORM=offscreen
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
# From the start of the process to the moment it reports its window shown, in µs.
timeit() { local s e; s=$(date +%s%N); e=$(HOME="$home" "$1" 2>/dev/null | tail -n 1); echo $(( e - s / 1000 )); }
prog=(); bare=()
timeit "$builddir/bench/bench_startup_program" >/dev/null; timeit "$builddir/bench/bench_startup_bare" >/dev/null
for _ in $(seq "$runs"); do
    prog+=("$(timeit "$builddir/bench/bench_startup_program")")
    bare+=("$(timeit "$builddir/bench/bench_startup_bare")")
done
mp=$(printf '%s\n' "${prog[@]}" | median)
mb=$(printf '%s\n' "${bare[@]}" | median)
echo "start-up to main menu shown, median of $runs runs: program ${mp} us, bare Qt ${mb} us, ratio $(awk "BEGIN {printf \"%.2f\", $mp/$mb}")"
"$builddir/bench/bench_pgm1calc" -iterations 100000 | grep -E 'RESULT|msecs|nsecs' -A1 || true
