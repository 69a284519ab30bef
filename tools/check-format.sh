#!/usr/bin/env bash
# Checks that C++ sources follow the root .clang-format. With no arguments it
# checks every tracked source of the tree; with arguments, just those files.
# Prints each misformatted file and exits 1 when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang-format >/dev/null 2>&1; then
  echo "clang-format is missing: run tools/install-deps.sh" >&2
  exit 2
fi

if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h' 2>/dev/null)
  [ ${#files[@]} -gt 0 ] || mapfile -t files < <(find platform sound controls drummachine drumkit_editor tools tests bench fuzz \
    \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null)
fi
[ ${#files[@]} -gt 0 ] || exit 0

# One clang-format run per batch of files; it names each file that would change.
bad=$(printf '%s\0' "${files[@]}" | xargs -0 -n 64 -P 4 \
  clang-format --style=file:.clang-format --dry-run 2>&1 | grep -oE '^[^:]+\.(cpp|h):[0-9]+:[0-9]+: (warning|error)' |
  cut -d: -f1 | sort -u || true)
if [ -n "$bad" ]; then
  while read -r f; do echo "misformatted: $f (fix with: clang-format -i $f)"; done <<<"$bad"
  exit 1
fi
exit 0
