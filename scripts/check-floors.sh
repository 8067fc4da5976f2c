#!/usr/bin/env bash
# Fails when a file of the module includes a floor above its own, and names
# the file and the include. The floors from the ground up:
floors=(core panels preferences views report document)
set -euo pipefail
cd "$(dirname "$0")/.."
level() { local i; for i in "${!floors[@]}"; do [ "${floors[$i]}" = "$1" ] && echo "$i" && return; done; echo -1; }
status=0
while IFS=: read -r file line text; do
  own=$(level "$(cut -d/ -f2 <<<"$file")")
  included=$(level "$(sed -E 's#.*"module/([a-z]+)/.*#\1#' <<<"$text")")
  if [ "$own" -ge 0 ] && [ "$included" -gt "$own" ]; then
    echo "$file:$line: includes a floor above its own: $text"
    status=1
  fi
done < <(git grep -n -E '^\s*#\s*include\s+"module/[a-z]+/' -- 'module/*.h' 'module/*.cpp')
[ "$status" -eq 0 ] && echo "check-floors: no include runs up"
exit "$status"
