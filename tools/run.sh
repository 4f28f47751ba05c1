#!/usr/bin/env bash
# Sets up, builds and starts the editor (or, where the editor is not built,
# the command-line tool on the bundled sample script).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/setup.sh"
build="$root/build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"
if [ -x "$build/ui/velmor-cfg-editor" ]; then
  exec "$build/ui/velmor-cfg-editor" "$@"
fi
exec "$build/cli/velmor-cfg" print "${1:-$root/samples/sample.cfg}"
