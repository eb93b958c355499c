#!/usr/bin/env bash
# End-to-end journey on a floor plan: two rooms traced with Create > Trace Area (a rectangular room
# gives a RECT line, an L-shaped one a POLY line), both selected in the list and their tops aligned
# with Edit > Arrange > Align Top, the L-shaped room duplicated with Ctrl+D; the saved side file
# holds exactly the expected lines: the room's pixels, the rectangle's as its first and last pixel,
# the polygon's as the corners of its outline.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

# A GIF keeps the flat colours exact, as a plan drawn for the web is.
convert -size 400x300 xc:white -fill '#a0c0f0' -draw 'rectangle 20,30 119,109' \
  -fill '#f0c0a0' -draw 'polygon 200,50 349,50 349,149 279,149 279,199 200,199' "$work/pics/plan.gif"
side="$work/pics/plan.vmo"
start_editor "$work/pics/plan.gif"
view=$(wait_for_window "^plan\.gif in $work/pics\$")
main=$(wait_for_window "^Vemo-Editor\$")

# Create > Trace Area, then a click in each room sets the area its dialog opens with.
trace_room() {
  xdotool windowactivate --sync "$main"
  choose_menu c t
  sleep 0.3
  client_origin "$view"
  xdotool mousemove --sync $((X + $1)) $((Y + $2)) click 1
  dialog=$(wait_for_window "^$3\$")
  xdotool windowactivate --sync "$dialog"
  xdotool key Return
  sleep 0.5
}
trace_room 60 70 "Rect Setting"
trace_room 230 170 "Polygon Setting"
xdotool windowactivate --sync "$view"
xdotool key Escape

# Both rooms selected in the list (Shift+Down extends the selection), then their tops aligned with
# the first selected.
xdotool windowactivate --sync "$main"
select_list_line "$main" 2
xdotool key shift+Down
sleep 0.2
choose_menu e a
xdotool key t
sleep 0.3

# The L-shaped room alone, duplicated: its copy follows it, 10 pixels right and down.
select_list_line "$main" 3
xdotool key ctrl+d
sleep 0.3
xdotool key ctrl+s
sleep 0.5
keep_screenshot journey_trace_arrange "$view"
expect_lines "$side" \
  '<IMG SRC="plan.gif" ALT="plan.gif" BORDER="0" WIDTH=400 HEIGHT=300 USEMAP="#plan">' \
  '<MAP NAME="plan">' \
  '<AREA SHAPE="RECT" COORDS="20,30,119,109" HREF="" ALT="">' \
  '<AREA SHAPE="POLY" COORDS="200,30,350,30,350,130,280,130,280,180,200,180" HREF="" ALT="">' \
  '<AREA SHAPE="POLY" COORDS="210,40,360,40,360,140,290,140,290,190,210,190" HREF="" ALT="">' \
  '</MAP>'

xdotool key ctrl+q
wait_for_exit
echo "trace and arrange journey passed"
