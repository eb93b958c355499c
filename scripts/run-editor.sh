#!/usr/bin/env bash
# Builds the editor and runs it on the named picture, or on the bundled sample when none is named.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
if [ $# -eq 0 ]; then
  # Work on a copy so the bundled sample and its map stay pristine.
  work=$(mktemp -d)
  cp "$top/samples/sample.gif" "$work/"
  set -- "$work/sample.gif"
fi
exec "$top/build/vemo-editor" "$@"
