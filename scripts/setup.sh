#!/usr/bin/env bash
# Installs what the build needs (Debian 12 packages), then configures and builds Tillmate into
# ./build. Sourced by run.sh and test.sh.
set -euo pipefail

root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${TILLMATE_BUILD_DIR:-$root_dir/build}"

packages=(
  build-essential cmake ninja-build ccache pkg-config clang-format clang libclang-rt-14-dev
  qt6-base-dev libqt6test6 libgl-dev
  libgtest-dev libgmock-dev libsqlite3-dev zlib1g-dev
  xvfb xauth imagemagick fonts-dejavu-core fonts-liberation
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

export CCACHE_BASEDIR="$root_dir"
cmake -G Ninja -S "$root_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" -- -j"$(nproc)"
