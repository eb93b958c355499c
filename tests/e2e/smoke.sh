#!/usr/bin/env bash
# End-to-end smoke test: the built program under a real X server opens a picture named on its
# command line (through a wildcard), shows it, converts it to JPEG, and writes its settings on exit.
set -euo pipefail
program=${1:?usage: smoke.sh path/to/vemo-editor}

if [ -z "${SMOKE_INSIDE_X:-}" ]; then
  export SMOKE_INSIDE_X=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

work=$(mktemp -d)
cleanup() { kill "${editor_pid:-}" "${wm_pid:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

# A copy of the program keeps its settings file in the scratch folder.
cp "$program" "$work/vemo-editor"
mkdir "$work/pics"
convert -size 64x48 gradient:red-blue "BMP3:$work/pics/photo.bmp"

openbox >/dev/null 2>&1 &
wm_pid=$!
sleep 1

(cd "$work" && LANG=C.UTF-8 ./vemo-editor "$work/pics/pho*.bmp") &
editor_pid=$!

wait_for_window() {
  for _ in $(seq 1 100); do
    if id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  echo "window '$1' did not appear" >&2
  return 1
}

view=$(wait_for_window "^photo\.jpg in $work/pics\$")
main=$(wait_for_window "^Vemo-Editor\$")
[ -n "$view" ] && [ -n "$main" ]
[ -s "$work/pics/photo.jpg" ] || { echo "photo.jpg was not written" >&2; exit 1; }
xwd -root -silent | convert xwd:- "png:${SMOKE_SCREENSHOT:-$work/screen.png}"

# The view shows the picture at its client origin: the gradient starts red at the top.
pixel=$(xwd -id "$view" -silent | convert xwd:- -crop 1x1+5+2 -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}')
red=$((16#${pixel:1:2})) green=$((16#${pixel:3:2}))
if [ "$red" -lt 192 ] || [ "$green" -gt 64 ]; then
  echo "the view does not show the picture (pixel $pixel)" >&2
  exit 1
fi

# Leave through File > Exit; nothing was changed, so no question is asked.
xdotool windowactivate --sync "$main"
xdotool key --clearmodifiers alt+f
sleep 0.3
xdotool key x
for _ in $(seq 1 50); do
  kill -0 "$editor_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$editor_pid" 2>/dev/null; then
  echo "the editor did not exit" >&2
  exit 1
fi
wait "$editor_pid"

grep -q '^\[MAIN\]' "$work/vemo-editor.INI"
for key in LEFT TOP FONTNAME FONTSIZE JAPAN; do
  grep -q "^$key=" "$work/vemo-editor.INI" || { echo "settings lack $key" >&2; exit 1; }
done
grep -q '^JAPAN=0' "$work/vemo-editor.INI"
echo "smoke test passed"
