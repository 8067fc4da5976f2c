#!/usr/bin/env bash
# Sets everything up, builds what the main job needs into build/ and opens
# the host window on the demo client. The first run (a machine root without
# the set-up mark) also sets up the machine root: servers, driver, module and
# demo client; later runs leave it as the user left it. Arguments go to the
# host (see build/bin/brisance-host --help).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
build="$top/build"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISANCE_BENCHMARKS=OFF >/dev/null
# Only what the main job runs; the tests are scripts/test.sh's.
cmake --build "$build" --parallel "$(nproc)" --target main_job
bin="$build/bin"

root=${BRISANCE_MACHINE_ROOT:-${XDG_DATA_HOME:-$HOME/.local/share}/brisance/machine}
mark="$root/.main-job-set-up"
if [ ! -e "$mark" ]; then
  echo "run: setting up the machine root $root (first run)"
  mkdir -p "$root"
  BRISANCE_MACHINE_ROOT=$root "$top/scripts/setup-machine.sh" "$bin"
  date -u +%FT%TZ >"$mark"
fi
BRISANCE_MACHINE_ROOT=$root exec "$bin/brisance-host" --client 1001 "$@"
