#!/usr/bin/env bash
# End-to-end: a new rectangle dragged with the real mouse in the view, set, saved, and found
# byte for byte in the side file.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

convert -size 200x150 gradient:white-gray "$work/pics/photo.gif"
start_editor "$work/pics/photo.gif"
view=$(wait_for_window "^photo\.gif in $work/pics\$")
main=$(wait_for_window "^Vemo-Editor\$")

xdotool windowactivate --sync "$main"
choose_menu c r
dialog=$(wait_for_window "^Rect Setting\$")

# The new 50 x 50 shape stands at the picture's corner; drag it by (20, 30).
drag_in_window "$view" 10 10 20 30
keep_screenshot drag_area
keep_screenshot drag_area_view "$view"

# Enter presses "Set"; the main window comes back; File > Save Source writes the side file.
set_area_and_save "$dialog" "$main"

expected=$(printf '%s\r\n' \
  '<IMG SRC="photo.gif" ALT="photo.gif" BORDER="0" WIDTH=200 HEIGHT=150 USEMAP="#photo">' \
  '<MAP NAME="photo">' \
  '<AREA SHAPE="RECT" COORDS="20,30,69,79" HREF="" ALT="">' \
  '</MAP>' | od -c)
actual=$(od -c < "$work/pics/photo.vmo")
if [ "$actual" != "$expected" ]; then
  echo "the side file is not as expected:" >&2
  cat -A "$work/pics/photo.vmo" >&2
  exit 1
fi

choose_menu f x
wait_for_exit
echo "area drag test passed"
