#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang and libFuzzer and runs them one after the
# other: first over their regression inputs (fuzz/regressions/<target>/), then each for
# its share of one time budget on a copy of its seed corpus (fuzz/corpus/<target>/):
# FUZZ_BUDGET seconds (default 270) split over the targets run by their weights, or
# FUZZ_SECONDS each.
# Fails when any target crashes; the crashing input is left in
# <build dir>/artifacts/<target>/ and belongs in fuzz/regressions/<target>/.
# Usage: scripts/fuzz.sh [target ...]   (default: all)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh --with-fuzz
builddir=${FUZZ_BUILD_DIR:-build-fuzz}
cmake -S fuzz -B "$builddir" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
cmake --build "$builddir" -j2
builddir=$(cd "$builddir" && pwd)

targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_numberreader fuzz_resultformat fuzz_languagefile fuzz_pgm1calc
    fuzz_pgm2calc fuzz_pgm3calc fuzz_pgm4calc fuzz_pgm5calc fuzz_pgm6calc fuzz_cataloguecsv fuzz_projectfile)
budget=${FUZZ_BUDGET:-270}

# Shares of the budget: the catalogue and the project reader take files of many lines and
# columns, whose corpus still grows where a calculation's 73 bytes are long covered; each gets
# four shares, every other target one.
weight() {
    case "$1" in
    fuzz_cataloguecsv | fuzz_projectfile) echo 4 ;;
    *) echo 1 ;;
    esac
}
shares=0
for target in "${targets[@]}"; do
    shares=$((shares + $(weight "$target")))
done
# Seconds for one target; the shares are rounded down, so the run stays within the budget.
seconds_for() {
    local seconds=${FUZZ_SECONDS:-$((budget * $(weight "$1") / shares))}
    [ "$seconds" -ge 1 ] || seconds=1
    echo "$seconds"
}

# Longest input per target: a field text, a flag file, a catalogue or a project file may be long; the
# calculation reads 73 bytes, the format 1 + 8 or a short text.
max_len() {
    case "$1" in
    fuzz_numberreader | fuzz_languagefile | fuzz_cataloguecsv | fuzz_projectfile) echo 4096 ;;
    *) echo 256 ;;
    esac
}

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

summary=()
failed=0
for target in "${targets[@]}"; do
    exe="$builddir/$target"
    [ -x "$exe" ] || { echo "unknown fuzz target: $target" >&2; exit 2; }
    logs="$builddir/logs"
    artifacts="$builddir/artifacts/$target/"
    mkdir -p "$logs" "$artifacts"

    # Regression inputs, each run once as a plain input.
    shopt -s nullglob
    regressions=("$root/fuzz/regressions/$target"/*)
    shopt -u nullglob
    if [ ${#regressions[@]} -gt 0 ]; then
        if ! "$exe" -artifact_prefix="$artifacts" "${regressions[@]}" >"$logs/$target.regressions.log" 2>&1; then
            echo "$target: a regression input fails, see $logs/$target.regressions.log" >&2
            grep -E "FAILED:|^input|ERROR:|SUMMARY:|^Running:" "$logs/$target.regressions.log" >&2 ||
                tail -n 30 "$logs/$target.regressions.log" >&2
            summary+=("$target: FAILED on a regression input (${#regressions[@]} inputs)")
            failed=1
            continue
        fi
    fi

    # The bounded run, on a copy of the seed corpus so the committed one stays as it is.
    work="$builddir/corpus/$target"
    rm -rf "$work"
    mkdir -p "$work"
    cp "$root/fuzz/corpus/$target"/* "$work"/
    log="$logs/$target.log"
    start=$(date +%s)
    status=0
    "$exe" -max_total_time="$(seconds_for "$target")" -print_final_stats=1 -timeout=10 \
        -max_len="$(max_len "$target")" -artifact_prefix="$artifacts" "$work" >"$log" 2>&1 || status=$?
    elapsed=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
    [ -n "$elapsed" ] || elapsed=$(($(date +%s) - start))
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    added=$(sed -n 's/^stat::new_units_added: *//p' "$log" | tail -n 1)
    line="$target: ${execs:-?} executions in ${elapsed} s (${rate:-?}/s), ${#regressions[@]} regression inputs, ${added:-?} new corpus inputs"
    if [ "$status" -ne 0 ]; then
        echo "$target: crashed (exit $status), see $log" >&2
        grep -E "FAILED:|^input|ERROR:|SUMMARY:|Test unit written" "$log" >&2 || tail -n 30 "$log" >&2
        line="$line, CRASHED: input in $artifacts"
        failed=1
    fi
    summary+=("$line")
done

echo
echo "Fuzzing summary:"
printf '  %s\n' "${summary[@]}"
exit "$failed"
