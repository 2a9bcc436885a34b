#!/usr/bin/env bash
# run.sh BUILD_DIR SECONDS [TARGET...]: runs each fuzz target (all built ones
# by default) for SECONDS on its corpus, a copy of fuzz/corpus/<target> kept in
# BUILD_DIR/corpus/<target> so that the tree is never written. Prints per
# target the runs done and the coverage reached; exits 1 when any target
# found something (crash, leak, sanitizer report, timeout, out of memory),
# whose input is then in BUILD_DIR/findings/. FUZZ_SEED, when set, fixes the
# random seed and FUZZ_RUNS, when set, runs each target that many inputs
# instead of SECONDS: both together make a run (CI's) try much what an earlier
# one tried, however fast the machine.
set -uo pipefail
cd "$(dirname "$0")/.."
build=$1
seconds=$2
shift 2
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for program in "$build"/bin/fuzz_*; do
        [ -x "$program" ] && targets+=("${program##*/fuzz_}")
    done
fi
if [ ${#targets[@]} -eq 0 ]; then
    echo "fuzz: no targets built in $build/bin" >&2
    exit 1
fi

mkdir -p "$build/findings" "$build/logs"
export QT_QPA_PLATFORM=offscreen
# Qt seeds its hashes at random; a fixed seed keeps runs closer alike.
export QT_HASH_SEED=0
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
symbolizer=$(command -v llvm-symbolizer || true)
[ -n "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH=$symbolizer

failed=()
for target in "${targets[@]}"; do
    program="$build/bin/fuzz_$target"
    if [ ! -x "$program" ]; then
        echo "fuzz: $program is not built" >&2
        failed+=("$target")
        continue
    fi
    corpus="$build/corpus/$target"
    mkdir -p "$corpus"
    cp -n fuzz/corpus/"$target"/* "$corpus"/ 2>/dev/null || true
    log="$build/logs/$target.log"
    if [ -n "${FUZZ_RUNS:-}" ]; then
        limit=(-runs="$FUZZ_RUNS")
    else
        limit=(-max_total_time="$seconds")
    fi
    "$program" "$corpus" "${limit[@]}" -print_final_stats=1 -timeout=20 \
        -rss_limit_mb=2560 -artifact_prefix="$build/findings/$target-" \
        ${FUZZ_SEED:+-seed="$FUZZ_SEED"} >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
    if [ $status -eq 0 ]; then
        printf 'fuzz: %-14s runs %-9s cov %-6s no findings\n' "$target" "${runs:-?}" "${cov:-?}"
    else
        failed+=("$target")
        finding=$(grep -o "$build/findings/$target-[^ ]*" "$log" | tail -1)
        printf 'fuzz: %-14s runs %-9s cov %-6s FINDING (exit %s) %s; log %s\n' "$target" \
            "${runs:-?}" "${cov:-?}" "$status" "${finding:-}" "$log"
        grep -m1 -E 'ERROR: |runtime error|fuzz: ' "$log" | sed 's/^/    /'
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzz: findings in ${failed[*]} (inputs in $build/findings/)"
    exit 1
fi
echo "fuzz: ${#targets[@]} targets, ${limit[0]#-} each, no findings"
