#!/usr/bin/env bash
# Fails when a tracked C or C++ file differs from what clang-format makes of it (.clang-format at the
# top of the tree), and names each such file. `scripts/check-format.sh --fix` formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.c' '*.cpp' '*.h' 2>/dev/null || find . -name '*.[ch]' -o -name '*.cpp')
if [ "${1:-}" = "--fix" ]; then
  clang-format --style=file -i "${files[@]}"
  exit 0
fi
bad=0
for f in "${files[@]}"; do
  if ! clang-format --style=file "$f" | cmp -s "$f" -; then
    echo "not formatted: $f (run scripts/check-format.sh --fix)"
    bad=1
  fi
done
[ "$bad" -eq 0 ] && echo "format: ${#files[@]} files follow .clang-format"
exit "$bad"
