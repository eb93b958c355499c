#!/usr/bin/env bash
# End-to-end smoke test: the built program under a real X server opens a picture named on its
# command line (through a wildcard), shows it, converts it to JPEG, and writes its settings on exit.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

convert -size 64x48 gradient:red-blue "BMP3:$work/pics/photo.bmp"
start_editor "$work/pics/pho*.bmp"

view=$(wait_for_window "^photo\.jpg in $work/pics\$")
main=$(wait_for_window "^Vemo-Editor\$")
[ -n "$view" ] && [ -n "$main" ]
[ -s "$work/pics/photo.jpg" ] || { echo "photo.jpg was not written" >&2; exit 1; }
keep_screenshot smoke

# The view shows the picture at its client origin: the gradient starts red at the top.
pixel=$(xwd -id "$view" -silent | convert xwd:- -crop 1x1+5+2 -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}')
red=$((16#${pixel:1:2})) green=$((16#${pixel:3:2}))
if [ "$red" -lt 192 ] || [ "$green" -gt 64 ]; then
  echo "the view does not show the picture (pixel $pixel)" >&2
  exit 1
fi

# Leave through File > Exit; nothing was changed, so no question is asked.
xdotool windowactivate --sync "$main"
choose_menu f x
wait_for_exit

grep -q '^\[MAIN\]' "$work/vemo-editor.INI"
for key in LEFT TOP FONTNAME FONTSIZE JAPAN; do
  grep -q "^$key=" "$work/vemo-editor.INI" || { echo "settings lack $key" >&2; exit 1; }
done
grep -q '^JAPAN=0' "$work/vemo-editor.INI"
echo "smoke test passed"
