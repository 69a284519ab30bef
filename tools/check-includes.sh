#!/usr/bin/env bash
# Checks the header rule of the platform layers: outside a layer, only its
# public headers may be included.
#
#   platform/win   public: platform/win/*.h (the Windows names) and the one
#                  extension header platform/win/drums_ext.h; every header in a
#                  subfolder (platform/win/<folder>/...) is private.
#   platform/host  public: host.h, headless.h and png_file.h; the rest is private.
#
# A layer's own code and its own tests (tests/win, tests/host) may include its
# private headers. With no file arguments it checks every C++ source of the
# tree; with arguments, just those files. --root DIR takes DIR as the top of
# the tree (paths are judged relative to it). Prints each private include and
# exits 1 when there is one.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
if [ "${1:-}" = "--root" ]; then
  root="$(cd "$2" && pwd)"
  shift 2
fi
cd "$root"

if [ $# -gt 0 ]; then
  files=("$@")
else
  files=()
  if git rev-parse --show-toplevel >/dev/null 2>&1 && [ "$(git rev-parse --show-toplevel)" = "$root" ]; then
    mapfile -t files < <(git ls-files --cached --others --exclude-standard '*.cpp' '*.h' '*.c' '*.hpp')
  fi
  [ ${#files[@]} -gt 0 ] || mapfile -t files < <(find . -path ./build -prune -o -type f \
    \( -name '*.cpp' -o -name '*.h' -o -name '*.c' -o -name '*.hpp' \) -print | sed 's|^\./||')
fi
[ ${#files[@]} -gt 0 ] || exit 0

# The layer a file belongs to as far as private headers go: "win", "host" or "".
owner() {
  case "$1" in
    platform/win/* | tests/win/*) echo win ;;
    platform/host/* | tests/host/*) echo host ;;
    *) echo "" ;;
  esac
}

status=0
for f in "${files[@]}"; do
  f="${f#./}"
  [ -f "$f" ] || continue
  own="$(owner "$f")"
  # "#include" lines with the included path, numbered.
  while IFS=: read -r line path; do
    # A relative include names a file beside the including one.
    case "$path" in
      ./* | ../*) path="$(realpath -m --relative-to="$root" "$(dirname "$f")/$path")" ;;
    esac
    private=""
    case "$path" in
      *platform/win/*/*) private=win ;;
      *platform/host/*)
        case "${path##*/}" in
          host.h | headless.h | png_file.h) ;;
          *) private=host ;;
        esac
        ;;
    esac
    if [ -n "$private" ] && [ "$private" != "$own" ]; then
      echo "private include: $f:$line includes $path (private to platform/$private; use its public or extension header)"
      status=1
    fi
  done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "$f" |
    sed -E 's/^([0-9]+):[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]([^>"]*)[>"].*/\1:\2/')
done
exit $status
