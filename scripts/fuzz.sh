#!/usr/bin/env bash
# The libFuzzer targets of tests/fuzz, in a clang build tree of their own (TILLMATE_FUZZ_DIR,
# default build/fuzz).
#   scripts/fuzz.sh build                  configures and builds every target
#   scripts/fuzz.sh run TARGET SECONDS     runs fuzz_TARGET for SECONDS from its seed corpus
#                                          (tests/fuzz/corpus/TARGET); fails on any finding
#   scripts/fuzz.sh list                   names the targets
# Inputs the fuzzer finds interesting collect in TREE/corpus/TARGET, failing ones in
# TREE/findings/TARGET/ (rerun one with: TREE/bin/fuzz_TARGET FILE).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tree="${TILLMATE_FUZZ_DIR:-$root/build/fuzz}"

case "${1:-}" in
build)
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$root}"
  CC=clang CXX=clang++ cmake -G Ninja -S "$root" -B "$tree" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTILLMATE_FUZZ=ON -DTILLMATE_NESTED_TREE=ON -DTILLMATE_SANITIZE=OFF >/dev/null
  cmake --build "$tree" --target fuzz_targets -- -j"$(nproc)"
  ;;
run)
  target="$2" seconds="$3"
  mkdir -p "$tree/corpus/$target" "$tree/findings/$target"
  # A report of either sanitizer ends the run with a failure; libFuzzer saves the input.
  ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}" \
    UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}" \
    "$tree/bin/fuzz_$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$tree/findings/$target/" \
    "$tree/corpus/$target" "$root/tests/fuzz/corpus/$target"
  ;;
list)
  sed -n 's/^set(fuzz_targets \(.*\))$/\1/p' "$root/tests/fuzz/CMakeLists.txt" | tr ' ' '\n'
  ;;
*)
  sed -n '2,10s/^# \{0,1\}//p' "$0"
  exit 2
  ;;
esac
