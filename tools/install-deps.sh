#!/usr/bin/env bash
# Installs the Debian packages the project builds, tests and runs with;
# with the argument "fuzz", also those of the fuzz targets.
# Asks apt only for packages that are missing, so a second run costs nothing.
set -euo pipefail

packages=(
  # build
  cmake ninja-build ccache g++ make pkg-config clang-format
  # libraries
  libsdl2-dev libfreetype-dev libfontconfig-dev libjpeg62-turbo-dev libpng-dev
  # fonts the text layer maps the classic face names onto
  fonts-dejavu-core fonts-liberation2
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # a real display for the window tests, sound and MIDI checks
  xvfb xauth sox python3-mido timidity
  # the General MIDI sounds timidity renders exported MIDI files with
  fluid-soundfont-gm
  # the SDL window test reads back what the X server shows (Xlib headers)
  libx11-dev
)

# `install-deps.sh fuzz` adds what the fuzz targets need (clang, libFuzzer).
if [ "${1:-}" = "fuzz" ]; then
  packages+=(clang libclang-rt-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  # Without root: sudo, when it is there and can ask (or needs no password);
  # otherwise say what to run and stop.
  if command -v sudo >/dev/null 2>&1 && { [ -t 0 ] || sudo -n true 2>/dev/null; }; then
    sudo="sudo"
  else
    echo "These packages are missing and installing them needs root:" >&2
    echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
    echo "Run that as root (or with sudo), then try again." >&2
    exit 1
  fi
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
