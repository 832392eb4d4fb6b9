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
  librsvg2-bin dpkg-dev file lintian desktop-file-utils appstream
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

# A build folder configured for another source folder (the tree was moved or copied, or
# TILLMATE_BUILD_DIR names another tree's build) makes CMake stop with "CMakeCache.txt directory
# ... is different". The tree's own ./build is configured afresh; another folder is left alone.
fresh=()
cached_source="$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build_dir/CMakeCache.txt" 2>/dev/null || true)"
if [ -n "$cached_source" ] && [ "$(realpath -m "$cached_source")" != "$(realpath -m "$root_dir")" ]; then
  if [ "$(realpath -m "$build_dir")" = "$(realpath -m "$root_dir/build")" ]; then
    echo "The build folder $build_dir was configured for $cached_source; configuring it afresh for $root_dir."
    fresh=(--fresh)
  else
    echo "The build folder $build_dir belongs to the sources in $cached_source, not $root_dir." >&2
    echo "Unset TILLMATE_BUILD_DIR to build into $root_dir/build, or name an empty folder." >&2
    return 1 2>/dev/null || exit 1
  fi
fi

export CCACHE_BASEDIR="$root_dir"
cmake "${fresh[@]}" -G Ninja -S "$root_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" -- -j"$(nproc)"
