#!/usr/bin/env bash
# Sets everything up and runs every test: codecs, pages on the recording fake device, the window on
# the real emulator, and the emulator's own tests (one run under AddressSanitizer and UBSan).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure --timeout 900
