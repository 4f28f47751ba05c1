#!/usr/bin/env bash
# Fuzzes the core with libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer (needs clang; not part of the test run).
#   tools/fuzz.sh [read|edit] [SECONDS]    default: read, 60 seconds
# read: any bytes read, saved and read back. edit: a script opened, then a few
# of the editor's commands. Findings go to build-fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:-read}
seconds=${2:-60}
case "$target" in
  read) seed_head='\0' ;;        # the default disabled sign
  edit) seed_head='\0\0\0' ;;    # the default sign, no commands, every answer No
  *) echo "usage: tools/fuzz.sh [read|edit] [SECONDS]" >&2; exit 2 ;;
esac
out=build-fuzz
mkdir -p "$out/objects" "$out/corpus-$target" "$out/findings"
flags=(-std=c++20 -O1 -g -I. -Wall -Wextra -Werror -fno-omit-frame-pointer
       -fsanitize=address,undefined -fno-sanitize-recover=undefined)
objects=()
# An object is rebuilt when its source or any core header is newer.
newest_header=$(ls -t devices/*.h config/*.h check/*.h ui/group_table.h | head -n 1)
# The group table is the one file of the editor the edit commands need; it has no Qt.
for source in devices/*.cpp config/*.cpp check/*.cpp ui/group_table.cpp; do
  object="$out/objects/$(echo "$source" | tr / _).o"
  if [ ! -e "$object" ] || [ "$source" -nt "$object" ] || [ "$newest_header" -nt "$object" ]; then
    clang++ "${flags[@]}" -fsanitize=fuzzer-no-link -c "$source" -o "$object"
  fi
  objects+=("$object")
done
clang++ "${flags[@]}" -fsanitize=fuzzer "tools/fuzz/${target}_round_trip.cpp" "${objects[@]}" -o "$out/$target"
# The golden and checker scripts are the seeds.
for input in tests/data/golden/*/*.cfg tests/data/check/*.cfg; do
  { printf "$seed_head"; cat "$input"; } > "$out/corpus-$target/$(echo "$input" | tr / _)"
done
"$out/$target" -max_total_time="$seconds" -max_len=4096 -artifact_prefix="$out/findings/$target-" \
  -dict=tools/fuzz/script_words.dict "$out/corpus-$target"
