#!/usr/bin/env bash
# End-to-end journey on a 1280 x 1024 screen with a 4000 x 3000 photo: a rectangle drawn by a drag
# on the bare picture and set, then moved by a drag at once, the move undone with Ctrl+Z in the
# view; the saved side file holds exactly the drawn rectangle, and the hatched shape on the screen
# stands where its line says, not where the move had put it.
set -euo pipefail
export E2E_SCREEN=1280x1024
source "$(dirname "$0")/lib.sh"

convert -size 4000x3000 xc:gray50 "$work/pics/photo.jpg"
side="$work/pics/photo.vmo"
start_editor "$work/pics/photo.jpg"
view=$(wait_for_window "^photo\.jpg in $work/pics\$")
main=$(wait_for_window "^Vemo-Editor\$")

# A press and drag on the bare picture draws the rectangle and opens its dialog.
xdotool windowactivate --sync "$view"
drag_in_window "$view" 40 40 200 100
rect=$(wait_for_window "^Rect Setting\$")
# A click on the picture while the dialog is open leaves the dialog above the view.
client_origin "$view"
xdotool mousemove --sync $((X + 600)) $((Y + 400)) click 1
sleep 0.5
stacking=$(xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | tr ' ' '\n' | grep '^0x' | xargs -n1 printf '%d\n')
if [ "$(echo "$stacking" | grep -nx "$rect" | cut -d: -f1)" -lt "$(echo "$stacking" | grep -nx "$view" | cut -d: -f1)" ]; then
  echo "the area dialog went behind the view" >&2
  exit 1
fi
xdotool windowactivate --sync "$rect"
xdotool key Return
sleep 0.5

# The set rectangle stays selected and moves with a drag at once; Ctrl+Z in the view takes the
# move back.
drag_in_window "$view" 100 80 50 30
xdotool windowactivate --sync "$view"
xdotool key ctrl+z
sleep 0.5
keep_screenshot journey_edit_loop "$view"

# The hatch stands in the drawn rectangle and not in the part that only the move covered: count
# the pixels there that are not the picture's grey.
shot=$(mktemp --suffix=.png)
xwd -id "$view" -silent | convert xwd:- "png:$shot"
hatched() {
  convert "$shot" -crop "$1" +repage -fuzz 20% -fill black -opaque gray50 -fill white +opaque black \
    -format '%[fx:round(mean*w*h)]' info:
}
in_drawn=$(hatched 40x20+45+45)
in_moved_only=$(hatched 40x20+245+145)
rm -f "$shot"
if [ "$in_drawn" -eq 0 ] || [ "$in_moved_only" -ne 0 ]; then
  echo "the shape is not where its line says: $in_drawn hatch pixels in the drawn rectangle," \
    "$in_moved_only where only the move put it" >&2
  exit 1
fi

xdotool windowactivate --sync "$main"
xdotool key ctrl+s
sleep 0.5
expect_lines "$side" \
  '<IMG SRC="photo.jpg" ALT="photo.jpg" BORDER="0" WIDTH=4000 HEIGHT=3000 USEMAP="#photo">' \
  '<MAP NAME="photo">' \
  '<AREA SHAPE="RECT" COORDS="40,40,240,140" HREF="" ALT="">' \
  '</MAP>'

xdotool key ctrl+q
wait_for_exit
echo "edit loop journey passed"
