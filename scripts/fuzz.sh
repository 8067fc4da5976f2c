#!/usr/bin/env bash
# Builds the fuzzing tree (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) into build-fuzz/ and runs every fuzz target,
# each for the given number of seconds (default 60), starting from its seed
# corpus and what earlier runs found.
#
# Usage: scripts/fuzz.sh [seconds] [target...]
#   FUZZ_JOBS       targets run at a time (default 1), each in one process
#   FUZZ_BUILD_JOBS compile jobs of the build (default: one per core)
#   FUZZ_FINDINGS   where each target's corpus, crashes and log are kept
#                   (default build-fuzz/findings, outside the sources)
#
# Fails when a target crashes, leaks, hangs or breaks an expectation; the
# input that did it is kept in FUZZ_FINDINGS/<target>/ and named in the log.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift $(( $# > 0 ? 1 : 0 ))
build="$top/build-fuzz"
findings=${FUZZ_FINDINGS:-$build/findings}
jobs=${FUZZ_JOBS:-1}

"$top/scripts/setup.sh"
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DBRISANCE_FUZZ=ON -DBRISANCE_BENCHMARKS=OFF >/dev/null
targets=("$@")
# Named targets are built alone; without names, every one is.
cmake --build "$build" --parallel "${FUZZ_BUILD_JOBS:-$(nproc)}" --target "${targets[@]:-fuzzers}"

if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(cut -f1 "$build/fuzz/targets.txt")
fi

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$top/cmake/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# Runs one target; its output goes to its log, a line says how it ended.
fuzz_one() {
  local target=$1 seeds out
  seeds=$(awk -F'\t' -v t="$target" '$1 == t { print $2 }' "$build/fuzz/targets.txt")
  [ -n "$seeds" ] || { echo "$target: no such fuzz target" >&2; return 1; }
  out="$findings/$target"
  mkdir -p "$out/corpus"
  rm -f "$out/result"
  local started=$SECONDS
  # A whole run stops well after its time, whatever a single input does.
  if timeout --kill-after=30 $((seconds + 300)) "$build/fuzz/$target" "$out/corpus" "$seeds" \
      -max_total_time="$seconds" -timeout=30 -rss_limit_mb=3072 -print_final_stats=1 \
      -artifact_prefix="$out/" >"$out/log" 2>&1; then
    echo passed >"$out/result"
    echo "$target: passed, $((SECONDS - started)) s, $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$out/log" | grep -o '[0-9]*$') inputs"
  else
    echo failed >"$out/result"
    echo "$target: FAILED after $((SECONDS - started)) s; see $out/log"
    grep -E '^(==[0-9]+==ERROR|SUMMARY|Fuzzing broke|artifact_prefix|Test unit written)' "$out/log" | head -n 8 | sed 's/^/  /'
    return 1
  fi
}
export -f fuzz_one
export build findings seconds

printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'fuzz_one "$@"' _ {} || true
passed=0
for target in "${targets[@]}"; do
  [ "$(cat "$findings/$target/result" 2>/dev/null)" = passed ] && passed=$((passed + 1))
done
failed=$(( ${#targets[@]} - passed ))
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
