#!/usr/bin/env bash
# Builds the console and its GUI tests with AddressSanitizer and UndefinedBehaviorSanitizer into a
# tree of their own (TILLMATE_SANITIZED_DIR, default build/sanitized) and runs the unit, page,
# end-to-end and binding tests there. Any sanitizer report fails the run; the leaks that Qt and
# the system libraries leave at exit are suppressed (tests/sanitizers/lsan.supp, each explained).
#   scripts/sanitized-tests.sh [CTEST-ARGUMENTS...]   e.g. -R page_tests to run only the page tests
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tree="${TILLMATE_SANITIZED_DIR:-$root/build/sanitized}"
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$root}"
cmake -G Ninja -S "$root" -B "$tree" -DCMAKE_BUILD_TYPE=Debug -DTILLMATE_NESTED_TREE=ON \
  -DTILLMATE_SANITIZE=OFF -DCMAKE_C_FLAGS="$flags" -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$tree" --target unit_tests page_tests e2e_tests binding_tests binding_tests_beside \
  tillcore tillcore_probe -- -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$tree" --output-on-failure --timeout 600 \
  -R '^(unit_tests|page_tests|e2e\.|binding_tests)' "$@"
