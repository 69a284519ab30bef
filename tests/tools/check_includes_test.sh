#!/usr/bin/env bash
# The include check refuses a private platform header outside its layer and
# lets the layer itself, its own tests and the public headers through.
# Builds a small tree in a temporary folder and runs the check over it.
set -euo pipefail
check="$(cd "$(dirname "$0")/../.." && pwd)/tools/check-includes.sh"
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT

put() {
  mkdir -p "$(dirname "$tree/$1")"
  printf '%s\n' "$2" >"$tree/$1"
}
failures=0
expect() {  # expect STATUS DESCRIPTION FILE...
  local want=$1 what=$2
  shift 2
  local got=0
  "$check" --root "$tree" "$@" >"$tree/out" 2>&1 || got=$?
  if [ "$got" -ne "$want" ]; then
    echo "FAIL: $what: exit $got, expected $want"
    cat "$tree/out"
    failures=$((failures + 1))
  fi
}

put platform/win/windows.h '#pragma once'
put platform/win/user/window.h '#pragma once'
put platform/win/user/queue.cpp '#include "platform/win/user/window.h"'
put tests/win/user/queue_test.cpp '#include "platform/win/user/window.h"'
put platform/vcl/Public.cpp $'#include "platform/win/windows.h"\n#include "platform/win/drums_ext.h"\n#include "platform/host/host.h"'
put platform/vcl/Private.cpp $'#include <vector>\n#include "platform/win/user/window.h"'
put platform/vcl/Angled.cpp '#  include <platform/win/gdi/dc.h>'
put platform/vcl/Relative.cpp '#include "../win/kernel/clock.h"'
put platform/win/HostPrivate.cpp '#include "platform/host/sdl_backend.h"'
put tests/host/backend_test.cpp '#include "platform/host/sdl_backend.h"'
put bench/Private.cpp '#include "platform/win/gdi/device_dc.h"'
put platform/vcl/Forms.h '#include "platform/vcl/forms/Form.h"'
put platform/vcl/forms/Form.h '#pragma once'
put platform/vcl/forms/Form.cpp '#include "platform/vcl/forms/Form.h"'
put tests/vcl/forms/form_test.cpp '#include "platform/vcl/forms/Form.h"'
put platform/dsound/dsound.h '#pragma once'
put platform/dsound/mixer/mixer.cpp '#include "platform/dsound/sound_buffer.h"'
put tests/dsound/mixer/mixer_test.cpp $'#include "platform/dsound/mixer/voice.h"\n#include "platform/dsound/gains.h"'
put controls/styled/Public.cpp $'#include "platform/vcl/Forms.h"\n#include "platform/vcl/vcl_ext.h"'
put sound/Public.cpp $'#include "platform/dsound/dsound.h"\n#include "platform/dsound/dsound_ext.h"'
put controls/styled/VclPrivate.cpp '#include "platform/vcl/forms/Form.h"'
put tools/VclRelative.cpp '#include "../platform/vcl/classes/streams/MemoryStream.h"'
put tests/styled/VclPrivate_test.cpp '#include <platform/vcl/graphics/Colors.h>'
put sound/DsoundPrivate.cpp '#include "platform/dsound/sound_buffer.h"'
put tests/sound/DsoundPrivate_test.cpp '#include "platform/dsound/mixer/voice.h"'

expect 0 "public and extension headers" platform/vcl/Public.cpp
expect 0 "a file without includes" platform/win/windows.h
expect 0 "the layer's own private header" platform/win/user/queue.cpp
expect 0 "the layer's own tests" tests/win/user/queue_test.cpp tests/host/backend_test.cpp
expect 1 "a private win header in the class library" platform/vcl/Private.cpp
expect 1 "a private win header in angle brackets" platform/vcl/Angled.cpp
expect 1 "a private win header by a relative path" platform/vcl/Relative.cpp
expect 1 "a private host header in win" platform/win/HostPrivate.cpp
expect 1 "a private win header in a benchmark" bench/Private.cpp
expect 0 "the class library's units and extension header" controls/styled/Public.cpp platform/vcl/Forms.h
expect 0 "the class library's own private header" platform/vcl/forms/Form.cpp tests/vcl/forms/form_test.cpp
expect 0 "DirectSound's header and extension header" sound/Public.cpp
expect 0 "the mixer's own private headers" platform/dsound/mixer/mixer.cpp tests/dsound/mixer/mixer_test.cpp
expect 1 "a private class library header in the styled controls" controls/styled/VclPrivate.cpp
expect 1 "a private class library header by a relative path" tools/VclRelative.cpp
expect 1 "a private class library header in another layer's tests" tests/styled/VclPrivate_test.cpp
expect 1 "a private DirectSound header in the sound engine" sound/DsoundPrivate.cpp
expect 1 "a private DirectSound header in the sound engine's tests" tests/sound/DsoundPrivate_test.cpp
expect 1 "the whole tree, which holds violations" # no file arguments: every source
grep -q 'platform/vcl/Private.cpp:2 includes platform/win/user/window.h' "$tree/out" ||
  { echo "FAIL: the report names neither file nor line"; cat "$tree/out"; failures=$((failures + 1)); }

grep -q 'controls/styled/VclPrivate.cpp:1 includes platform/vcl/forms/Form.h (private to platform/vcl' "$tree/out" ||
  { echo "FAIL: the report does not name the class library"; cat "$tree/out"; failures=$((failures + 1)); }

rm "$tree"/platform/vcl/{Private,Angled,Relative}.cpp "$tree"/platform/win/HostPrivate.cpp "$tree"/bench/Private.cpp
rm "$tree"/controls/styled/VclPrivate.cpp "$tree"/tools/VclRelative.cpp "$tree"/tests/styled/VclPrivate_test.cpp
rm "$tree"/sound/DsoundPrivate.cpp "$tree"/tests/sound/DsoundPrivate_test.cpp
expect 0 "the whole tree, clean"

[ "$failures" -eq 0 ] && echo "check-includes: all cases passed"
exit $((failures > 0))
