#!/usr/bin/env bash
# The README's package table names exactly the packages scripts/setup.sh installs.
set -euo pipefail
cd "$(dirname "$0")/../.."
setup="$(sed -n '/^packages=(/,/^)/p' scripts/setup.sh | sed '1d;$d' | tr -s ' \n' '\n\n' | sed '/^$/d' | sort)"
readme="$(awk '/^\| packages \| for \|/ {on = 1; next} on && /^$/ {exit} on' README.md |
  cut -d'|' -f2 | grep -o '`[^`]*`' | tr -d '`' | sort)"
[ -n "$setup" ] || { echo "FAIL: no package list found in scripts/setup.sh"; exit 1; }
[ -n "$readme" ] || { echo "FAIL: no package table found in README.md"; exit 1; }
if [ "$setup" != "$readme" ]; then
  echo "FAIL: README.md and scripts/setup.sh name different packages:"
  diff <(echo "$readme") <(echo "$setup") | sed -n 's/^< /  only in README.md: /p; s/^> /  only in setup.sh: /p'
  exit 1
fi
echo "README.md names the $(wc -l <<<"$setup") packages of scripts/setup.sh"
