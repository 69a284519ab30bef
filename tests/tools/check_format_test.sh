#!/usr/bin/env bash
# The format check refuses a misformatted source and names it, and lets a
# well-formatted one through.
set -euo pipefail
check="$(cd "$(dirname "$0")/../.." && pwd)/tools/check-format.sh"
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT

printf 'int Twice(int x) {\n  return 2 * x;\n}\n' >"$tree/good.cpp"
printf 'int  Twice( int x ){return 2*x;}\n' >"$tree/bad.cpp"
failures=0

if ! "$check" "$tree/good.cpp" >"$tree/out" 2>&1; then
  echo "FAIL: a well-formatted file was refused"
  cat "$tree/out"
  failures=$((failures + 1))
fi
status=0
"$check" "$tree/good.cpp" "$tree/bad.cpp" >"$tree/out" 2>&1 || status=$?
if [ "$status" -ne 1 ] || ! grep -q "misformatted: $tree/bad.cpp" "$tree/out" || grep -q "good.cpp" "$tree/out"; then
  echo "FAIL: the misformatted file was not named alone (exit $status)"
  cat "$tree/out"
  failures=$((failures + 1))
fi
[ "$failures" -eq 0 ] && echo "format check: refuses misformatted files"
exit "$failures"
