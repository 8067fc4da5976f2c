#!/usr/bin/env bash
# Installs every system package the project needs, from the distribution by name.
# Does nothing (quickly) when all are present. Works as root or through sudo,
# on Debian 12 and machines like it.
set -euo pipefail

packages=(
  build-essential g++ cmake ninja-build pkg-config git ccache python3 valgrind
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libsqlite3-dev sqlite3
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  poppler-utils fonts-liberation2 fonts-dejavu-core
  clang libclang-rt-dev
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "setup: run as root or install sudo" >&2; exit 1; }
  as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
