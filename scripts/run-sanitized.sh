#!/usr/bin/env bash
# Builds everything with clang under AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/, runs the unit and widget tests there (leak detection on), then runs each fuzz
# target for a bounded time.
#   FUZZ_SECONDS=300 scripts/run-sanitized.sh       # longer fuzz runs (default 5 s a target)
#   FUZZ_TARGETS="side_file_fuzz" scripts/run-sanitized.sh
# The end-to-end, browser and package tests run on the normal build only.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="$top/build-asan"
fuzz_seconds=${FUZZ_SECONDS:-5}
"$top/scripts/install-deps.sh"

sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ASAN_SYMBOLIZER_PATH=/usr/bin/llvm-symbolizer-14
export QT_QPA_PLATFORM=offscreen

CC=clang-14 CXX=clang++-14 cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only $sanitizers" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" -DVEMO_BUILD_FUZZ=ON >/dev/null
nice cmake --build "$build" -j 2

status=0
(cd "$build" && ctest --output-on-failure -j 2 -E '^(e2e_|.*_chromium$|package_)') || status=$?
"$top/scripts/print-skips.sh" "$build"
[ "$status" -eq 0 ] || exit "$status"

# Seeds: the committed ones, and pictures of every format the editor opens, made here so that
# no binary picture needs to be kept in the repository.
pictures="$build/fuzz-seeds/image_load_fuzz"
if [ ! -d "$pictures" ]; then
  mkdir -p "$pictures.tmp"
  for format in gif jpg png bmp pcx tga; do
    convert -size 7x5 gradient:red-blue "$pictures.tmp/gradient.$format"
  done
  convert -size 7x5 gradient:red-blue -colors 16 -compress RLE "BMP3:$pictures.tmp/rle8.bmp"
  # convert writes no 4-bit run-length bitmap: this one is 6 x 2 pixels with three colours.
  printf 'BM\x4e\0\0\0\0\0\0\0\x42\0\0\0\x28\0\0\0\x06\0\0\0\x02\0\0\0\x01\0\x04\0\x02\0\0\0\x0c\0\0\0%b%b' \
    '\x13\x0b\0\0\x13\x0b\0\0\x03\0\0\0\0\0\0\0\0\0\xff\0\0\xff\0\0\xff\0\0\0' \
    '\x06\x21\0\0\0\x04\x01\x21\0\0\0\x01' > "$pictures.tmp/rle4.bmp"
  convert -size 7x5 gradient:red-blue -compress RLE "$pictures.tmp/rle.tga"
  convert -size 9x3 xc:white -fill black -draw 'point 1,1' -interlace GIF "$pictures.tmp/interlaced.gif"
  mv "$pictures.tmp" "$pictures"
fi

targets=${FUZZ_TARGETS:-"line_readers_fuzz side_file_fuzz settings_fuzz relative_link_fuzz test_page_fuzz page_reader_fuzz page_writer_fuzz image_load_fuzz map_check_fuzz area_paste_fuzz"}
for target in $targets; do
  seeds="$top/fuzz/corpus/$target"
  [ -d "$seeds" ] || seeds="$build/fuzz-seeds/$target"
  mkdir -p "$build/fuzz-corpus/$target" "$build/fuzz-artifacts"
  echo "== $target: ${fuzz_seconds} s"
  # New inputs land in build-asan/fuzz-corpus/, failing ones in build-asan/fuzz-artifacts/.
  nice "$build/fuzz/$target" -max_total_time="$fuzz_seconds" -timeout=20 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix="$build/fuzz-artifacts/$target-" \
    "$build/fuzz-corpus/$target" "$seeds" 2>"$build/fuzz-artifacts/$target.log" \
    || { tail -n 60 "$build/fuzz-artifacts/$target.log"; exit 1; }
  grep -E '^stat::number_of_executed_units|^Done' "$build/fuzz-artifacts/$target.log" || true
done
