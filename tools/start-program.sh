#!/usr/bin/env bash
# Starts a program from its program folder (the data folders it reads lie
# there): the drum machine, or the program named second (prj_padwerk_help,
# the kit editor).
set -euo pipefail
dir="$1"
cd "$dir"
for prog in "${2:-prj_mallowen}"; do
  if [ -x "./$prog" ]; then
    if [ "${DRUMS_HOST:-sdl}" = sdl ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No desktop here (DISPLAY is not set): starting $prog on a virtual display with xvfb-run." >&2
      exec xvfb-run -a -s "-screen 0 1280x1024x24" "./$prog"
    fi
    exec "./$prog"
  fi
done
echo "Nothing to start in $dir" >&2
exit 1
