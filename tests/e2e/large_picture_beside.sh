#!/usr/bin/env bash
# End-to-end: a 4000 x 3000 photo named on the command line, on a 1280 x 1024 screen. The view
# takes the room left beside or below the main window, so the main window's tool bar and list
# stay in sight and in reach.
set -euo pipefail
export E2E_SCREEN=1280x1024
source "$(dirname "$0")/lib.sh"

convert -size 4000x3000 -seed 5 plasma:fractal "$work/pics/photo.jpg"
start_editor "$work/pics/photo.jpg"
view=$(wait_for_window "^photo\.jpg in $work/pics\$")
main=$(wait_for_window "^Vemo-Editor\$")
sleep 0.5
keep_screenshot large_picture_beside

# A window's outer rectangle: its client area grown by the frame the window manager drew.
outer() {
  client_origin "$1"
  local width height extents
  width=$(xwininfo -id "$1" | awk '/^  Width:/ {print $2}')
  height=$(xwininfo -id "$1" | awk '/^  Height:/ {print $2}')
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ' ')
  IFS=, read -r left right top bottom <<<"${extents:-0,0,0,0}"
  echo "$((X - left)) $((Y - top)) $((X + width + right)) $((Y + height + bottom))"
}
read -r vx0 vy0 vx1 vy1 <<<"$(outer "$view")"
client_origin "$main"
mx0=$X my0=$Y
mx1=$((X + $(xwininfo -id "$main" | awk '/^  Width:/ {print $2}')))
my1=$((Y + $(xwininfo -id "$main" | awk '/^  Height:/ {print $2}')))
echo "view $vx0,$vy0-$vx1,$vy1; main window's client area $mx0,$my0-$mx1,$my1"

# Its client area lies on the screen (the frame's border may overhang by a pixel).
client_origin "$view"
if [ "$X" -lt 0 ] || [ "$Y" -lt 0 ] || [ "$vx1" -gt 1281 ] || [ "$vy1" -gt 1025 ]; then
  echo "the view does not fit the screen" >&2
  exit 1
fi
# The menu bar, the tool bar and the list fill the main window's client area.
if [ "$vx0" -lt "$mx1" ] && [ "$mx0" -lt "$vx1" ] && [ "$vy0" -lt "$my1" ] && [ "$my0" -lt "$vy1" ]; then
  echo "the view covers the main window" >&2
  exit 1
fi
# The view takes the room it has: most of the screen's width or height.
if [ $((vx1 - vx0)) -lt 640 ] || [ $((vy1 - vy0)) -lt 480 ]; then
  echo "the view is smaller than the room beside the main window" >&2
  exit 1
fi

# One click on the tool bar reaches the main window: Open Graphic's chooser comes up.
click_tool_button "$main" 0
chooser=$(wait_for_window "Open|Select|Graphic")
xdotool windowactivate --sync "$chooser" key Escape
sleep 0.3
xdotool windowactivate --sync "$main"
choose_menu f x
wait_for_exit
echo "large picture beside the main window test passed"
