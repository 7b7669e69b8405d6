#!/usr/bin/env bash
# Fails when a C++ file of the tree is not as clang-format leaves it (the style is .clang-format).
# With --fix, formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/lm-format.$$; then
  grep -E '^[^ ].*: (error|warning):' /tmp/lm-format.$$ | cut -d: -f1 | sort -u | sed 's/^/not formatted: /' >&2
  rm -f /tmp/lm-format.$$
  echo "Run: bash scripts/check-format.sh --fix" >&2
  exit 1
fi
rm -f /tmp/lm-format.$$
