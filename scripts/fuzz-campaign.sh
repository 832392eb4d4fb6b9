#!/usr/bin/env bash
# The long fuzzing campaign: builds the fuzz targets (scripts/fuzz.sh build) and runs each for
# SECONDS (default 300), then prints per target the executions, the corpus reached and the
# findings. Exits 1 when any target found a failing input.
#   scripts/fuzz-campaign.sh [SECONDS-PER-TARGET]
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tree="${TILLMATE_FUZZ_DIR:-$root/build/fuzz}"
seconds="${1:-300}"
"$root/scripts/fuzz.sh" build || exit 1

mapfile -t targets < <("$root/scripts/fuzz.sh" list)
stamp="$tree/campaign-start"
touch "$stamp"
summary=()
failed=0
for target in "${targets[@]}"; do
  log="$tree/campaign-$target.log"
  echo "== fuzz_$target for ${seconds}s (log: $log)"
  "$root/scripts/fuzz.sh" run "$target" "$seconds" >"$log" 2>&1
  rc=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  corpus=$(find "$tree/corpus/$target" -type f | wc -l)
  findings=$(find "$tree/findings/$target" -type f -newer "$stamp" | wc -l)
  if [ "$rc" -ne 0 ]; then
    failed=1
    grep -m1 -E 'ERROR: (AddressSanitizer|libFuzzer|LeakSanitizer)|runtime error|property broken' "$log" || tail -5 "$log"
  fi
  summary+=("$(printf '%-10s %12s %8s %9s  %s' "$target" "${runs:-?}" "$corpus" "$findings" \
    "$([ "$rc" -eq 0 ] && echo ok || echo "FAILED (exit $rc)")")")
done

printf '\n%-10s %12s %8s %9s  %s\n' target executions corpus findings result
printf '%s\n' "${summary[@]}"
if [ "$failed" -ne 0 ]; then
  echo "Failing inputs: $tree/findings/<target>/ (rerun one with $tree/bin/fuzz_<target> FILE)"
fi
exit "$failed"
