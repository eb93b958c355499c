#!/usr/bin/env bash
# End-to-end journey: leaving with a changed map asks whether to save it. Cancel keeps the
# editor running with nothing written, No leaves without writing, Yes writes the map and leaves.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

convert -size 120x90 gradient:white-blue "$work/pics/photo.gif"
side="$work/pics/photo.vmo"

# Starts the editor, adds a rectangle at the picture's corner, and asks to leave.
change_and_exit() {
  start_editor "$work/pics/photo.gif"
  wait_for_window "^photo\.gif in $work/pics\$" >/dev/null
  main=$(wait_for_window "^Vemo-Editor\$")
  xdotool windowactivate --sync "$main"
  choose_menu c r
  wait_for_window "^Rect Setting\$" >/dev/null
  xdotool key Return
  sleep 0.3
  xdotool windowactivate --sync "$main"
  choose_menu f x
  wait_for_window "^警告\$" >/dev/null
}

change_and_exit
keep_screenshot journey_exit_question
xdotool key Escape
sleep 0.5
kill -0 "$editor_pid" || { echo "Cancel let the editor exit" >&2; exit 1; }
[ ! -e "$side" ] || { echo "Cancel wrote the side file" >&2; exit 1; }

xdotool windowactivate --sync "$main"
choose_menu f x
wait_for_window "^警告\$" >/dev/null
xdotool key alt+n
wait_for_exit
[ ! -e "$side" ] || { echo "No wrote the side file" >&2; exit 1; }

change_and_exit
xdotool key alt+y
wait_for_exit
expect_lines "$side" \
  '<IMG SRC="photo.gif" ALT="photo.gif" BORDER="0" WIDTH=120 HEIGHT=90 USEMAP="#photo">' \
  '<MAP NAME="photo">' \
  '<AREA SHAPE="RECT" COORDS="0,0,49,49" HREF="" ALT="">' \
  '</MAP>'
echo "exit journey passed"
