#!/usr/bin/env bash
# Builds everything and runs every test, then the same tests and the fuzz targets under the
# address and undefined-behaviour sanitizers (scripts/run-sanitized.sh, in build-asan/).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
status=0
(cd "$top/build" && ctest --output-on-failure -j 2) || status=$?
"$top/scripts/print-skips.sh" "$top/build"
[ "$status" -eq 0 ] || exit "$status"
"$top/scripts/run-sanitized.sh"
