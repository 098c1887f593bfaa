#!/usr/bin/env bash
# Runs the benchmarks: start-up (median of N runs, alternating, offscreen) of the program and of
# three bare Qt Widgets programs built the same way, an empty window, one that shows a line of
# Arial 13 px text and one that shows only the main menu's own form in the program's fonts (the
# floor of the menu's content, goal: the program within 1.1 times its time and memory), with the
# peak memory of each; then one calculation of each program through the core; then the choice of
# sections from a catalogue of 5,000 (goal 5 ms) and the import of a 5,000-row CSV (goal 200 ms);
# then reading a project of 500 positions (goal 50 ms) and storing it atomically with its backup
# (goal 20 ms); then each sheet as PDF beside bare pages, a project's booklet of 100 positions as
# PDF (goals 1.5 s, 3 MB, peak memory 1.3 times one sheet's) and, on a private CUPS scheduler
# (scripts/cups-test-server.sh), each sheet printed beside bare print jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
builddir=${BUILD_DIR:-build-bench}
runs=${RUNS:-21}
cmake -S . -B "$builddir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
calcs=(bench_pgm1calc bench_pgm2calc bench_pgm3calc bench_pgm4calc bench_pgm5calc bench_pgm6calc)
cmake --build "$builddir" --target "${calcs[@]}" bench_sections bench_projectfile bench_projectopen bench_startup_program \
    bench_startup_bare bench_startup_text bench_startup_menu pdf_bench bench_booklet print_bench >/dev/null
export QT_QPA_PLATFORM=offscreen
home=$(mktemp -d)
cups=""
cleanup() {
    [ -z "$cups" ] || scripts/cups-test-server.sh stop "$cups" >/dev/null 2>&1 || true
    rm -rf "$home" ${cups:+"$cups"}
}
trap cleanup EXIT
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'; }
# From the start of the process to the moment it reports its window shown, in µs, and its peak
# memory in kB, on one line.
timeit() {
    local s out
    s=$(date +%s%N)
    out=$(HOME="$home" "$1" 2>/dev/null | tail -n 2)
    echo "$(( $(sed -n 1p <<<"$out") - s / 1000 )) $(sed -n 2p <<<"$out")"
}
names=(program empty text menu)
exes=("$builddir/bench/bench_startup_program" "$builddir/bench/bench_startup_bare"
      "$builddir/bench/bench_startup_text" "$builddir/bench/bench_startup_menu")
declare -A times mems
for i in "${!names[@]}"; do timeit "${exes[$i]}" >/dev/null; done # warm the caches
for _ in $(seq "$runs"); do
    for i in "${!names[@]}"; do
        read -r t m < <(timeit "${exes[$i]}")
        times[${names[$i]}]+="$t "
        mems[${names[$i]}]+="$m "
    done
done
declare -A mt mm
for n in "${names[@]}"; do
    mt[$n]=$(tr ' ' '\n' <<<"${times[$n]}" | grep . | median)
    mm[$n]=$(tr ' ' '\n' <<<"${mems[$n]}" | grep . | median)
done
ratio() { awk "BEGIN {printf \"%.2f\", $1/$2}"; }
echo "start-up to main menu shown, median of $runs runs each, alternating:"
echo "  program ${mt[program]} us, peak ${mm[program]} kB"
echo "  empty Qt window ${mt[empty]} us, peak ${mm[empty]} kB"
echo "  Qt window with one line of text ${mt[text]} us, peak ${mm[text]} kB"
echo "  Qt window with the main menu's form only ${mt[menu]} us, peak ${mm[menu]} kB"
echo "  time ratio: $(ratio "${mt[program]}" "${mt[text]}") against the text window," \
     "$(ratio "${mt[program]}" "${mt[empty]}") against the empty one"
echo "  memory ratio: $(ratio "${mm[program]}" "${mm[text]}") against the text window," \
     "$(ratio "${mm[program]}" "${mm[empty]}") against the empty one"
echo "  against the menu's form alone: time $(ratio "${mt[program]}" "${mt[menu]}")," \
     "memory $(ratio "${mm[program]}" "${mm[menu]}") (goal <= 1.1 each)"
for calc in "${calcs[@]}"; do
    echo "$calc:"
    "$builddir/bench/$calc" -iterations 100000 | grep -E 'RESULT' -A1 || true
done
# Milliseconds a call: a hundred rounds are enough.
echo "bench_sections:"
"$builddir/bench/bench_sections" -iterations 100 | grep -E 'RESULT' -A1 || true
echo "bench_projectfile:"
"$builddir/bench/bench_projectfile" -iterations 100 | grep -E 'RESULT' -A1 || true
echo "bench_projectopen (500 positions in the running program; goals: open 50 ms, store one 20 ms; the project window on 1,000 positions: filled 100 ms, sorted 50 ms):"
HOME="$home" "$builddir/bench/bench_projectopen" -iterations 20 2>/dev/null | grep -E 'RESULT|first open' -A1 || true
echo "pdf_bench (\"Als PDF…\" from the filled sheet to the file):"
"$builddir/bench/pdf_bench" "$runs" 2>/dev/null
echo "bench_booklet:"
"$builddir/bench/bench_booklet" "$runs" 2>/dev/null
# Printing needs a scheduler: a private one, on a Unix socket of its own, that stores the jobs.
echo "print_bench (\"Drucken\" to the job accepted by CUPS):"
cups=$(mktemp -d /tmp/vbbench.XXXXXX)
if ! scripts/cups-test-server.sh start "$cups" >/dev/null 2>&1; then
    echo "  skipped: the private CUPS scheduler did not start (scripts/cups-test-server.sh)"
elif [ -e "$cups/unavailable" ]; then
    echo "  skipped: cupsd is not installed (Debian packages cups, cups-client)"
else
    env -u PRINTER -u LPDEST $(cat "$cups/env") "$builddir/bench/print_bench" "$cups/jobs" "$runs" 2>/dev/null ||
        echo "  print_bench failed"
fi
