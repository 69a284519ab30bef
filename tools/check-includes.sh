#!/usr/bin/env bash
# Checks the header rule of the platform layers: outside a layer, only its
# public headers may be included.
#
#   platform/win   public: platform/win/*.h (the Windows names) and the one
#                  extension header platform/win/drums_ext.h; every header in a
#                  subfolder (platform/win/<folder>/...) is private.
#   platform/host  public: host.h, headless.h, png_file.h and launch.h (starting a
#                  detached program, which the shell runs its opener with); the
#                  rest is private.
#   platform/vcl   public: platform/vcl/*.h (the class library's units: Classes.h,
#                  Controls.h, Forms.h ...) and the one extension header
#                  platform/vcl/vcl_ext.h; every header in a subfolder
#                  (platform/vcl/<folder>/...) is private.
#   platform/dsound public: dsound.h and the one extension header dsound_ext.h;
#                  the rest is private.
#
# A layer's own code and its own tests (tests/<layer>) may include its
# private headers; so may the fuzz targets (fuzz/), which drive readers from
# inside their layers. With no file arguments it checks every C++ source of the
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

# One grep over every file: "file:line:#include ..." lines; awk judges them.
# A relative include ("../x.h") is resolved beside its file first.
status=0
report=$({ printf '%s\0' "${files[@]}" | xargs -0 grep -nHE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' 2>/dev/null || true; } |
  while IFS= read -r hit; do
    case "$hit" in
      *'include "./'* | *'include "../'* | *'include <./'* | *'include <../'*)
        f="${hit%%:*}"
        rest="${hit#*:}"
        line="${rest%%:*}"
        inc="$(sed -E 's/.*include[[:space:]]*[<"]([^>"]*)[>"].*/\1/' <<<"$hit")"
        echo "$f:$line:#include \"$(realpath -m --relative-to="$root" "$(dirname "$f")/$inc")\""
        ;;
      *) echo "$hit" ;;
    esac
  done | awk -v private_any='*' '
    {
      file = $0; sub(/:.*/, "", file); sub(/^\.\//, "", file)
      rest = substr($0, length(file) + 2); line = rest; sub(/:.*/, "", line)
      path = rest; sub(/^[^<"]*[<"]/, "", path); sub(/[>"].*$/, "", path)
      own = ""
      # Fuzz targets drive the platform readers from the inside, as tests do.
      if (file ~ /^fuzz\//) own = private_any
      else if (file ~ /^(platform|tests)\/(win|host|vcl|dsound)\//) { own = file; sub(/^[^\/]+\//, "", own); sub(/\/.*/, "", own) }
      private = ""
      if (path ~ /(^|\/)platform\/win\/[^\/]+\//) private = "win"
      else if (path ~ /(^|\/)platform\/host\// && path !~ /\/(host|headless|png_file|launch)\.h$/) private = "host"
      else if (path ~ /(^|\/)platform\/vcl\/[^\/]+\//) private = "vcl"
      else if (path ~ /(^|\/)platform\/dsound\// && path !~ /\/(dsound|dsound_ext)\.h$/) private = "dsound"
      if (private != "" && private != own && own != private_any)
        printf "private include: %s:%s includes %s (private to platform/%s; use its public or extension header)\n", file, line, path, private
    }')
if [ -n "$report" ]; then
  echo "$report"
  status=1
fi
exit $status
