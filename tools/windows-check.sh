#!/usr/bin/env bash
# Builds the core and velmor-cfg for Windows with MinGW-w64 and runs the golden
# `format` and `check` cases under Wine, byte for byte: the Windows-only code
# paths (local time, exclusive create, flush, binary standard output) compile
# and give the same files. Not part of ./tools/test.sh: it needs two large
# packages the editor itself does not.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
packages=(g++-mingw-w64-x86-64-posix wine64)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_=""
  [ "$(id -u)" -eq 0 ] || sudo_="sudo"
  $sudo_ apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

work="$root/build-windows"
mkdir -p "$work"
exe="$work/velmor-cfg.exe"
x86_64-w64-mingw32-g++-posix -std=c++20 -O1 -Wall -Wextra -Werror -I"$root" \
  "$root"/devices/*.cpp "$root"/config/*.cpp "$root"/check/*.cpp "$root"/cli/*.cpp -static -o "$exe"

# Wine hands the program its arguments in the ANSI code page, read from UTF-8.
export WINEDEBUG=-all WINEPREFIX="$work/wine" LANG=C.UTF-8
wine=/usr/lib/wine/wine64
failures=0
run() { (cd "$1" && shift && "$wine" "$exe" "$@"); }

export SOURCE_DATE_EPOCH=1000000000
for cfg in "$root"/tests/data/golden/*/*.cfg; do
  dir="$(dirname "$cfg")" name="$(basename "$cfg" .cfg)"
  args=()
  [ -f "$dir/$name.args" ] && mapfile -t args <"$dir/$name.args"
  # A refused file writes nothing and exits 1; its expected output is empty.
  run "$dir" format "${args[@]}" "$name.cfg" 2>/dev/null >"$work/format.out" || true
  if ! cmp -s "$work/format.out" "$dir/$name.out"; then
    echo "format differs: $cfg"
    failures=$((failures + 1))
  fi
done
for cfg in "$root"/tests/data/check/*.cfg; do
  dir="$(dirname "$cfg")" name="$(basename "$cfg" .cfg)"
  status=0
  run "$dir" check "$name.cfg" 2>/dev/null >"$work/check.out" || status=$?
  if ! cmp -s "$work/check.out" "$dir/$name.out" || [ "$status" != "$(cat "$dir/$name.status")" ]; then
    echo "check differs: $cfg"
    failures=$((failures + 1))
  fi
done

# A save in place goes through the temporary file and replaces the original.
cp "$root/tests/data/check/every_kind.cfg" "$work/in-place.cfg"
run "$work" format in-place.cfg -o in-place.cfg 2>/dev/null
cp "$work/in-place.cfg" "$work/in-place-1.cfg"
run "$work" format in-place.cfg -o in-place.cfg 2>/dev/null
if ! cmp -s "$work/in-place.cfg" "$work/in-place-1.cfg" || compgen -G "$work/.in-place.cfg.*.tmp" >/dev/null; then
  echo "a save in place differs or left its temporary file"
  failures=$((failures + 1))
fi

# The same in a folder and under a name with letters above ASCII.
rm -rf "$work/dé" && mkdir "$work/dé"
cp "$root/tests/data/check/every_kind.cfg" "$work/dé/Jürgen.cfg"
if ! run "$work" format "dé/Jürgen.cfg" -o "dé/Jürgen.cfg" 2>/dev/null || [ "$(ls -A "$work/dé")" != "Jürgen.cfg" ]; then
  echo "a save under a name above ASCII failed or left its temporary file"
  failures=$((failures + 1))
fi

echo "Windows build: $failures difference(s)"
[ "$failures" -eq 0 ]
