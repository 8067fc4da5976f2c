#!/usr/bin/env bash
# Sets everything up, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-sanitize/ and runs every test.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh" "$top/build-sanitize" -DBRISANCE_SANITIZE=ON -DBRISANCE_BENCHMARKS=OFF
cd "$top/build-sanitize"
ctest --output-on-failure --parallel "$(nproc)" "$@"
