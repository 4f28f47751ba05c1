#!/usr/bin/env bash
# Builds the editor, opens samples/sample.cfg under a virtual X server and
# saves a picture of the main window to docs/screenshot.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VELMOR_BUILD_DIR:-$root/build}"
out="${1:-$root/docs/screenshot.png}"
command -v xvfb-run >/dev/null || { echo "screenshot.sh: xvfb-run is needed (apt-get install xvfb)" >&2; exit 1; }
# An existing build folder keeps its own settings.
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target velmor-cfg-editor
mkdir -p "$(dirname "$out")"
# A fresh home: no recent files or settings of this user's own in the picture.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
# The editor saves the picture itself (VELMOR_SCREENSHOT) and quits.
HOME="$scratch" XDG_CONFIG_HOME="$scratch/.config" XDG_RUNTIME_DIR="$scratch" ASAN_OPTIONS=detect_leaks=0 \
  VELMOR_SCREENSHOT="$out" timeout 60 xvfb-run -a -s "-screen 0 1024x768x24" \
  "$build/ui/velmor-cfg-editor" "$root/samples/sample.cfg"
echo "screenshot.sh: wrote $out"
