#!/usr/bin/env bash
# End-to-end journey through a whole map: a BMP named on the command line becomes a JPEG beside
# it; a rectangle is dragged and a circle typed; one area is edited and one deleted; the image
# properties change; the map is saved, closed, reopened and tested in the browser.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

convert -size 200x150 gradient:white-gray "BMP3:$work/pics/photo.bmp"
start_editor "$work/pics/photo.bmp"
view=$(wait_for_window "^photo\.jpg in $work/pics\$")
main=$(wait_for_window "^Vemo-Editor\$")
[ -s "$work/pics/photo.jpg" ] || { echo "photo.jpg was not written beside the BMP" >&2; exit 1; }

# A rectangle: the new 50 x 50 shape at the picture's corner, dragged by (20, 30) with the mouse.
xdotool windowactivate --sync "$main"
choose_menu c r
rect_dialog=$(wait_for_window "^Rect Setting\$")
drag_in_window "$view" 10 10 20 30
type_into "$rect_dialog" 203 141 "Box"
xdotool key Return
sleep 0.3

# A circle from the tool bar's CIRC button, typed: centre, radius, link and ALT text.
xdotool windowactivate --sync "$main"
click_tool_button "$main" 6
circle_dialog=$(wait_for_window "^Circle Setting\$")
type_into "$circle_dialog" 68 35 "100"
type_into "$circle_dialog" 160 35 "60"
type_into "$circle_dialog" 266 35 "25"
type_into "$circle_dialog" 163 91 "b.htm"
type_into "$circle_dialog" 203 141 "Ball"
keep_screenshot journey_circle
xdotool key Return
sleep 0.3

# Edit the rectangle (the third line) through Edit > Edit select item: a new ALT text.
xdotool windowactivate --sync "$main"
select_list_line "$main" 2
choose_menu e e
rect_dialog=$(wait_for_window "^Rect Setting\$")
type_into "$rect_dialog" 203 141 "Square & more"
xdotool key Return
sleep 0.3

# Delete the circle (the fourth line).
xdotool windowactivate --sync "$main"
select_list_line "$main" 3
choose_menu e d
sleep 0.3

# Image properties: border 2 and a new ALT text for the picture.
choose_menu e i
properties=$(wait_for_window "^Image Property\$")
type_into "$properties" 142 87 "2"
type_into "$properties" 262 139 "A photo"
xdotool key Return
sleep 0.3

lines=(
  '<IMG SRC="photo.jpg" ALT="A photo" BORDER="2" WIDTH=200 HEIGHT=150 USEMAP="#photo">'
  '<MAP NAME="photo">'
  '<AREA SHAPE="RECT" COORDS="20,30,69,79" HREF="" ALT="Square & more">'
  '</MAP>'
)
xdotool windowactivate --sync "$main"
choose_menu f s
sleep 0.3
keep_screenshot journey_map "$main"
expect_lines "$work/pics/photo.vmo" "${lines[@]}"

# Close, then reopen the picture through File > Open Graphic: the same lines come back, as the
# clipboard copy shows.
choose_menu f c
sleep 0.3
choose_menu f o
wait_for_window "Open" >/dev/null
sleep 0.5
xdotool type --delay 20 "$work/pics/photo.jpg"
xdotool key Return
view=$(wait_for_window "^photo\.jpg in $work/pics\$")
xdotool windowactivate --sync "$main"
choose_menu e c
sleep 0.3
xclip -o -selection clipboard > "$work/clipboard.txt"
expect_lines "$work/clipboard.txt" "${lines[@]}"

# The test page, from the tool bar's Test button: written beside the picture, then handed to
# the desktop's opener.
click_tool_button "$main" 7
sleep 0.5
page="$work/pics/\$\$TEMP\$\$.HTML"
grep -qF 'ALT="Square & more">' "$page" || { echo "the test page lacks the live map" >&2; exit 1; }
grep -qF '&ltAREA SHAPE=&quotRECT&quot COORDS=&quot20,30,69,79&quot HREF=&quot&quot ALT=&quotSquare &amp more&quot&gt' \
  "$page" || { echo "the test page lacks the shown source" >&2; exit 1; }
grep -qF "$page" "$work/opened.txt" || { echo "the test page was not opened" >&2; exit 1; }

choose_menu f x
wait_for_exit
[ ! -e "$page" ] || { echo "the test page outlived the editor" >&2; exit 1; }
echo "map journey passed"
