#!/usr/bin/env bash
# Configures and builds the project into the given build folder.
# Usage: scripts/build.sh <build-folder> [extra CMake arguments...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$1; shift
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
