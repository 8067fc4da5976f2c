#!/usr/bin/env bash
# Builds without sanitizers into build-memcheck/ and runs the test programs
# that drive Qt widgets under valgrind's memcheck, several at a time. Qt is not
# built with the sanitizers, so a use after free or an uninitialised value that
# only Qt's own code touches is seen here and nowhere else.
#
# Usage: scripts/memcheck.sh [program-regex]
#   program-regex  which test programs run (default: the widget programs below)
#   MEMCHECK_JOBS  programs run (and compile jobs) at a time (default: the
#                  number of processors)
#
# Fails when valgrind reports an error or a test fails under it; each
# program's report is kept in build-memcheck/memcheck/<program>.log.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-memcheck"
logs="$build/memcheck"
programs=${1:-'^(panels_|views_|preferences_|report_|document_(tests|edit_tests|store_tests|print_tests|menu_tests)$|host_window_|host_report_|module_whole_road_)'}
jobs=${MEMCHECK_JOBS:-$(nproc)}

"$top/scripts/setup.sh"
# Optimised, at -O1 (much lighter to build than the shipped -O2), with the line
# tables that valgrind's stack traces need and no more.
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISANCE_BENCHMARKS=OFF \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" >/dev/null
mapfile -t chosen < <(ninja -C "$build" -t targets all | sed -n 's/^\([A-Za-z0-9_]*_tests\): phony$/\1/p' |
                      sort -u | grep -E "$programs")
[ ${#chosen[@]} -gt 0 ] || { echo "memcheck: no test program matches $programs" >&2; exit 1; }
cmake --build "$build" --parallel "$jobs" --target "${chosen[@]}"
# Every test program is built into tests/; a matching library is not one.
for at in "${!chosen[@]}"; do
  [ -x "$build/tests/${chosen[$at]}" ] || unset 'chosen[at]'
done

rm -rf "$logs"
mkdir -p "$logs"
export QT_QPA_PLATFORM=offscreen

# Runs one program whole; its output goes to its log, a line says how it ended.
memcheck_one() {
  local name=$1 started=$SECONDS status=0
  timeout --kill-after=30 1800 valgrind --tool=memcheck --error-exitcode=99 --leak-check=no \
    --num-callers=40 --suppressions="$top/scripts/valgrind.supp" \
    "$build/tests/$name" --gtest_brief=1 >"$logs/$name.log" 2>&1 || status=$?
  case $status in
    0) echo "$name: passed, $((SECONDS - started)) s" ;;
    99) echo "$name: MEMORY ERRORS; see $logs/$name.log"
        grep -m1 'ERROR SUMMARY' "$logs/$name.log" | sed 's/^/  /' ;;
    *) echo "$name: FAILED (exit $status); see $logs/$name.log"
       grep -E '^\[  FAILED  \]' "$logs/$name.log" | head -n 5 | sed 's/^/  /' ;;
  esac
  [ "$status" -eq 0 ]
}
export -f memcheck_one
export top build logs

failed=0
printf '%s\n' "${chosen[@]}" | xargs -P "$jobs" -I{} bash -c 'memcheck_one "$@"' _ {} || failed=1
echo "memcheck: ${#chosen[@]} programs, $([ "$failed" -eq 0 ] && echo 'all passed' || echo 'some FAILED')"
[ "$failed" -eq 0 ]
