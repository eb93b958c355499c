#!/usr/bin/env bash
# End-to-end: a 2400 x 1600 picture on a 1280 x 1024 screen. The view fits the screen with its
# status bar, the main window stays in reach, and a region made at 200 % in the part of the
# picture scrolled into sight is saved in exact picture pixels.
set -euo pipefail
export E2E_SCREEN=1280x1024
source "$(dirname "$0")/lib.sh"

convert -size 2400x1600 -seed 3 plasma:fractal "$work/pics/banner.jpg"
start_editor "$work/pics/banner.jpg"
view=$(wait_for_window "^banner\.jpg in $work/pics\$")
main=$(wait_for_window "^Vemo-Editor\$")
sleep 0.5

# The view with its status bar lies wholly on the screen.
client_origin "$view"
width=$(xwininfo -id "$view" | awk '/^  Width:/ {print $2}')
height=$(xwininfo -id "$view" | awk '/^  Height:/ {print $2}')
if [ "$X" -lt 0 ] || [ "$Y" -lt 0 ] || [ $((X + width)) -gt 1280 ] || [ $((Y + height)) -gt 1024 ]; then
  echo "the view (${width}x${height} at $X,$Y) does not fit the screen" >&2
  keep_screenshot large_picture_misplaced
  exit 1
fi
keep_screenshot large_picture_opened

# The main window comes above the view when activated; out of the picture's top-left corner.
xdotool windowactivate --sync "$main"
xdotool windowmove --sync "$main" 740 660
sleep 0.3

# Scroll down with the wheel over the view, then zoom to 200 % with the keyboard.
client_origin "$view"
xdotool mousemove --sync $((X + 300)) $((Y + 300))
for _ in $(seq 1 8); do xdotool click 5; sleep 0.05; done
xdotool windowactivate --sync "$view"
xdotool key ctrl+plus
sleep 0.3

# RECT from the tool bar: the new shape starts at the top-left of what is in sight.
xdotool windowactivate --sync "$main"
click_tool_button "$main" 5
dialog=$(wait_for_window "^Rect Setting\$")
xdotool windowmove --sync "$dialog" 740 660
sleep 0.3
# At 200 % a drag of (40, 60) screen pixels moves the region by (20, 30) picture pixels.
drag_in_window "$view" 20 20 40 60
keep_screenshot large_picture_drag
set_area_and_save "$dialog" "$main"

area=$(grep -a 'AREA' "$work/pics/banner.vmo" | tr -d '\r')
coords=$(echo "$area" | sed -n 's/.*COORDS="\([0-9,]*\)".*/\1/p')
IFS=, read -r x0 y0 x1 y1 <<<"$coords"
echo "area made: $area"
if [ -z "$coords" ] || [ "$y0" -lt 60 ] || [ $((x1 - x0)) -ne 49 ] || [ $((y1 - y0)) -ne 49 ] \
   || [ "$x1" -ge 2400 ] || [ "$y1" -ge 1600 ]; then
  echo "the area is not a 50 x 50 region in the scrolled part of the picture" >&2
  exit 1
fi
choose_menu f x
wait_for_exit
echo "large picture test passed"
