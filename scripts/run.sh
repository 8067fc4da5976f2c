#!/usr/bin/env bash
# Sets everything up, builds everything into build/ and runs the main job.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh" "$top/build"
bin="$top/build/bin"
if [ -x "$bin/brisance-host" ]; then
  exec "$bin/brisance-host" "$@"
fi
echo "Built into $bin."
