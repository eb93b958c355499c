#!/usr/bin/env bash
# End-to-end journey: a U-shaped polygon drawn with the mouse and set, tried in Chromium through
# the test page (its arms answer, its notch does not), then the map of a hand-written page imported
# over it and the import undone; the side file holds exactly the lines at each step.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

convert -size 200x150 gradient:white-green "$work/pics/photo.gif"
side="$work/pics/photo.vmo"
start_editor "$work/pics/photo.gif"
view=$(wait_for_window "^photo\.gif in $work/pics\$")
main=$(wait_for_window "^Vemo-Editor\$")
image_lines=('<IMG SRC="photo.gif" ALT="photo.gif" BORDER="0" WIDTH=200 HEIGHT=150 USEMAP="#photo">'
  '<MAP NAME="photo">')

# The U's corners, clicked one by one on the picture, closed with Enter.
xdotool windowactivate --sync "$main"
choose_menu c p
sleep 0.3
client_origin "$view"
for corner in 20,20 60,20 60,90 140,90 140,20 180,20 180,130 20,130; do
  xdotool mousemove --sync $((X + ${corner%,*})) $((Y + ${corner#*,})) click 1
  sleep 0.5
done
xdotool key Return
polygon=$(wait_for_window "^Polygon Setting\$")
keep_screenshot journey_polygon_drawn
xdotool windowactivate --sync "$polygon"
type_into "$polygon" 160 91 "u.htm"
type_into "$polygon" 200 141 "U"
xdotool key Return
sleep 0.3
xdotool windowactivate --sync "$main"
xdotool key ctrl+s
sleep 0.3
u_line='<AREA SHAPE="POLY" COORDS="20,20,60,20,60,90,140,90,140,20,180,20,180,130,20,130" HREF="u.htm" ALT="U">'
expect_lines "$side" "${image_lines[@]}" "$u_line" '</MAP>'

# The test page in the browser: both arms and the base answer, the notch and the corner do not.
click_tool_button "$main" 7
sleep 0.5
page="$work/pics/\$\$TEMP\$\$.HTML"
answer=$("$(dirname "$0")/probe_in_chromium.sh" "$page" "30,50 170,50 100,110 100,50 190,140")
hits=$(head -n 1 <<< "$answer")
[ "$hits" = "30,50=0 170,50=0 100,110=0 100,50=IMG 190,140=IMG" ] || {
  echo "the polygon answers wrongly in the browser: $hits" >&2
  exit 1
}

# A page written by hand, messily, with a second map the picture does not use.
cat > "$work/pics/site.html" <<'PAGE'
<html><body>
<map name="other"><area shape=rect coords="0,0,5,5" href="x.htm"></map>
<IMG src='photo.gif' usemap='#nav'>
<map name='nav'>
  <area shape=rect coords="10 10 50 40" href='a.htm' alt="A &amp; B" title="A" id="first">
  <AREA SHAPE="circle" COORDS="150, 60, 20" HREF="c.htm" ALT='say "hi"' />
  <area shape="polygon"
        coords="60,100,100,100,80,140" href="p.htm" alt="P">
</map>
</body></html>
PAGE
xdotool windowactivate --sync "$main"
choose_menu f i
chooser=$(wait_for_window "^Import Map from Page\$")
xdotool windowactivate --sync "$chooser"
xdotool type --delay 20 "$work/pics/site.html"
xdotool key Return
sleep 1
# The page calls the map "nav": asked whether to take the page's names, the user keeps the editor's.
question=$(wait_for_window "^確認\$")
xdotool windowactivate --sync "$question"
xdotool key Escape
sleep 0.3
# The rectangle's title is kept, but not the id the page gave it: one report says so.
report=$(wait_for_window "^Import Map from Page\$")
keep_screenshot journey_polygon_report
xdotool windowactivate --sync "$report"
xdotool key Return
sleep 0.3
xdotool windowactivate --sync "$main"
xdotool key ctrl+s
sleep 0.3
expect_lines "$side" "${image_lines[@]}" \
  '<AREA SHAPE="RECT" COORDS="10,10,50,40" HREF="a.htm" ALT="A &amp; B" TITLE="A">' \
  '<AREA SHAPE="CIRCLE" COORDS="150,60,20" HREF="c.htm" ALT="say &quot;hi&quot;">' \
  '<AREA SHAPE="POLY" COORDS="60,100,100,100,80,140" HREF="p.htm" ALT="P">' \
  '</MAP>'

# Undo takes the whole import back.
xdotool key ctrl+z
sleep 0.2
xdotool key ctrl+s
sleep 0.3
expect_lines "$side" "${image_lines[@]}" "$u_line" '</MAP>'

xdotool key ctrl+q
wait_for_exit
echo "polygon journey passed"
