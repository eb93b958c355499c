#!/usr/bin/env bash
# What the user sees of a map in headless Chromium, beyond the plain test page: the test page's
# hover line names the area under the mouse, in both styles; with responsive output the picture
# shown at half its width (and the picture itself shrunk to half) still sends a click at a scaled
# point to the right link; the SVG overlay sends a click at a point of each area to its link.
# Usage: map_display_chromium.sh path/to/make_test_page path/to/make_svg_overlay
set -euo pipefail
make_page=${1:?usage: $0 make_test_page make_svg_overlay}
make_svg=${2:?usage: $0 make_test_page make_svg_overlay}
probe="$(dirname "$0")/probe_in_chromium.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 200x100 gradient:yellow-green "$work/pic.gif"

# A rectangle, a circle and a U-shaped polygon, in both styles.
cat > "$work/classic.txt" <<'MAP'
<IMG SRC="pic.gif" ALT="pic.gif" BORDER="0" WIDTH=200 HEIGHT=100 USEMAP="#pic">
<MAP NAME="pic">
<AREA SHAPE="RECT" COORDS="10,10,59,49" HREF="a.cgi?x=1&y=2" ALT="Rect" TITLE="The &lt;rectangle&gt;">
<AREA SHAPE="CIRCLE" COORDS="150,50,30" HREF="b.htm" ALT="Circle">
<AREA SHAPE="POLY" COORDS="62,55,75,55,75,85,105,85,105,55,118,55,118,98,62,98" HREF="u.htm" ALT="U">
</MAP>
MAP
cat > "$work/html5.txt" <<'MAP'
<img src="pic.gif" alt="pic.gif" width="200" height="100" usemap="#pic">
<map name="pic">
<area shape="rect" coords="10,10,59,49" href="a.cgi?x=1&y=2" alt="Rect" title="The &lt;rectangle&gt;">
<area shape="circle" coords="150,50,30" href="b.htm" alt="Circle">
<area shape="poly" coords="62,55,75,55,75,85,105,85,105,55,118,55,118,98,62,98" href="u.htm" alt="U">
</map>
MAP

# Probe points (picture pixels), chosen well inside or outside each region also at half size: the
# rectangle, the circle's centre, the polygon's left arm and base, the notch between its arms,
# a corner and a point just outside the circle.
probes="30,30 150,50 68,70 90,92 90,70 5,5 175,75"
areas_at() { # the hits expected when the areas are numbered from $1
  echo "30,30=$1 150,50=$(($1 + 1)) 68,70=$(($1 + 2)) 90,92=$(($1 + 2)) 90,70=IMG 5,5=IMG 175,75=IMG"
}
nothing=$'\u00a0'
hover_lines=("HREF: a.cgi?x=1&y=2  ALT: Rect  TITLE: The <rectangle>" "HREF: b.htm  ALT: Circle  TITLE: "
  "HREF: u.htm  ALT: U  TITLE: " "HREF: u.htm  ALT: U  TITLE: " "$nothing" "$nothing" "$nothing")

# check name page expected-hits [hover-line-selector]: probes the page with the PROBE_* settings
# in the environment and compares the hits and, with a selector, the hover lines; false when any
# differs.
check() {
  local name=$1 page=$2 expected=$3 hover=${4:-} answer probed fault=0
  set +e
  answer=$(PROBE_HOVER=$hover "$probe" "$page" "$probes")
  probed=$?
  set -e
  [ "$probed" -eq 0 ] || exit "$probed"
  local hits
  hits=$(head -n 1 <<< "$answer" | sed 's/&lt;/</g; s/&gt;/>/g; s/&amp;/\&/g')
  if [ "$hits" != "$expected" ]; then
    echo "$name: areas answer wrongly: got '$hits', expected '$expected'" >&2
    fault=1
  fi
  [ -n "$hover" ] || return "$fault"
  local i=0 line shown
  while IFS= read -r line; do
    shown=$(printf '%b' "${line//%/\\x}")
    if [ "$shown" != "${hover_lines[$i]}" ]; then
      echo "$name: over probe $((i + 1)) the hover line says '$shown', expected '${hover_lines[$i]}'" >&2
      fault=1
    fi
    i=$((i + 1))
  done < <(sed -n 's/^hover://p' <<< "$answer")
  if [ "$i" -ne 7 ]; then
    echo "$name: $i hover lines instead of 7" >&2
    fault=1
  fi
  return "$fault"
}

status=0

for style in classic html5; do
  "$make_page" < "$work/$style.txt" > "$work/plain-$style.html"
  "$make_page" --responsive < "$work/$style.txt" > "$work/responsive-$style.html"
  check "$style test page" "$work/plain-$style.html" "$(areas_at 0)" '#vemo-hover' || status=1
  # The page's own half-width copy: its areas follow the page's three.
  PROBE_PICTURE='#vemo-half img' check "$style half-width check" "$work/responsive-$style.html" "$(areas_at 3)" \
    '#vemo-half-hover' || status=1
  # Shrunk after loading, the picture's areas are scaled again.
  PROBE_WIDTH=50 check "$style picture shrunk to half" "$work/responsive-$style.html" "$(areas_at 0)" '#vemo-hover' ||
    status=1
done

# The overlay, with a default area under the others, shown as large as the frame lets it.
sed 's|^</MAP>$|<AREA SHAPE="DEFAULT" HREF="d.htm" ALT="D">\n</MAP>|' "$work/classic.txt" |
  "$make_svg" 200 100 > "$work/overlay.svg"
expected="30,30=a:a.cgi?x=1&y=2 150,50=a:b.htm 68,70=a:u.htm 90,92=a:u.htm 90,70=a:d.htm 5,5=a:d.htm 175,75=a:d.htm"
check "SVG overlay" "$work/overlay.svg" "$expected" || status=1

[ "$status" -eq 0 ] && echo "map display passed in $(chromium --version 2>/dev/null)"
exit "$status"
