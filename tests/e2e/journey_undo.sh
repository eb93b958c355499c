#!/usr/bin/env bash
# End-to-end journey: two areas made, one deleted with the Delete key and brought back with
# Ctrl+Z, the other moved above it with Ctrl+Up, the map checked and saved with Ctrl+S; the side
# file then holds exactly the lines in their new order.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

convert -size 200x150 gradient:white-green "$work/pics/photo.gif"
side="$work/pics/photo.vmo"
start_editor "$work/pics/photo.gif"
wait_for_window "^photo\.gif in $work/pics\$" >/dev/null
main=$(wait_for_window "^Vemo-Editor\$")

# A rectangle at the picture's corner, as it comes.
xdotool windowactivate --sync "$main"
choose_menu c r
rect=$(wait_for_window "^Rect Setting\$")
xdotool windowactivate --sync "$rect"
xdotool key Return
sleep 0.3

# A circle with typed centre and radius.
xdotool windowactivate --sync "$main"
choose_menu c c
circle=$(wait_for_window "^Circle Setting\$")
xdotool windowactivate --sync "$circle"
type_into "$circle" 68 35 100
type_into "$circle" 160 35 75
type_into "$circle" 266 35 20
xdotool key Return
sleep 0.3

# The rectangle's line deleted with the Delete key, then brought back.
xdotool windowactivate --sync "$main"
select_list_line "$main" 2
xdotool key Delete
sleep 0.2
xdotool key ctrl+z
sleep 0.2

# The circle's line moved above the rectangle's.
select_list_line "$main" 3
xdotool key ctrl+Up
sleep 0.2

choose_menu e k
wait_for_window "^Check Map\$" >/dev/null
keep_screenshot journey_undo_check
xdotool windowactivate --sync "$main"
xdotool key ctrl+s
sleep 0.3
expect_lines "$side" \
  '<IMG SRC="photo.gif" ALT="photo.gif" BORDER="0" WIDTH=200 HEIGHT=150 USEMAP="#photo">' \
  '<MAP NAME="photo">' \
  '<AREA SHAPE="CIRCLE" COORDS="100,75,20" HREF="" ALT="">' \
  '<AREA SHAPE="RECT" COORDS="0,0,49,49" HREF="" ALT="">' \
  '</MAP>'

xdotool key ctrl+q
wait_for_exit
echo "undo journey passed"
