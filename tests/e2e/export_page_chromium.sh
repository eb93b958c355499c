#!/usr/bin/env bash
# Export Map to Page in headless Chromium: a map written into a page (put after the picture, then
# written again in place of itself) answers clicks where its coordinates say, and every byte of the
# page outside the map's lines and the picture's usemap stays as it was. The page is written by
# the editor's own page writer through a small tool, which is quicker than driving the dialogs.
# Usage: export_page_chromium.sh path/to/export_map_to_page
set -euo pipefail
export_page=${1:?usage: $0 path/to/export_map_to_page}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 200x100 gradient:yellow-green "$work/pic.gif"

# A page of the author's own, with text, a comment and a script that hold look-alike tags.
printf '%s\r\n' '<!DOCTYPE html>' '<html><head><meta charset="utf-8"><title>Town</title></head>' '<body>' \
  '<!-- <img src="pic.gif"> <map name="pic"></map> -->' \
  '  <div><img src="pic.gif" alt="Town" width="200" height="100"></div>' \
  '  <script>var s = "<map name=pic></map>";</script>' '  <p>Below the picture: 地図</p>' '</body></html>' \
  > "$work/original.html"

# First a stale map, put after the picture; then the real one, in place of it.
printf '%s\n' '<IMG SRC="pic.gif" ALT="" BORDER="0" WIDTH=200 HEIGHT=100 USEMAP="#pic">' '<MAP NAME="pic">' \
  '<AREA SHAPE="RECT" COORDS="0,0,199,99" HREF="stale.htm" ALT="stale">' '</MAP>' > "$work/stale.txt"
printf '%s\n' '<IMG SRC="pic.gif" ALT="" BORDER="0" WIDTH=200 HEIGHT=100 USEMAP="#pic">' '<MAP NAME="pic">' \
  '<AREA SHAPE="RECT" COORDS="10,10,59,49" HREF="a.htm" ALT="A">' \
  '<AREA SHAPE="CIRCLE" COORDS="150,50,30" HREF="b.htm" ALT="地図">' \
  '<AREA SHAPE="POLY" COORDS="62,55,75,55,75,85,105,85,105,55,118,55,118,98,62,98" HREF="u.htm" ALT="U">' \
  '</MAP>' > "$work/map.txt"
"$export_page" "$work/original.html" pic.gif < "$work/stale.txt" > "$work/stale.html"
"$export_page" "$work/stale.html" pic.gif < "$work/map.txt" > "$work/page.html"

status=0
# Without the map's lines (each after the page's line end and the picture's indent) and the
# usemap, the page is the author's, byte for byte.
MAP_LINES=$(sed -n '2,$p' "$work/map.txt") perl -0777 -pe \
  'my $block = join("", map { "\r\n  $_" } split /\n/, $ENV{MAP_LINES}); s/\Q$block\E//; s/ usemap="#pic"//' \
  "$work/page.html" > "$work/rest.html"
if ! cmp -s "$work/rest.html" "$work/original.html"; then
  echo "the page changed outside the map:" >&2
  diff "$work/original.html" "$work/rest.html" >&2 || true
  status=1
fi
if [ "$(grep -c -i '<map' "$work/page.html")" -ne 3 ]; then
  echo "the page should hold the map once besides its comment and script" >&2
  status=1
fi

probes="11,11 58,48 61,30 5,5 150,50 170,70 175,75 68,70 112,60 90,92 90,70"
expected="11,11=0 58,48=0 61,30=IMG 5,5=IMG 150,50=1 170,70=1 175,75=IMG 68,70=2 112,60=2 90,92=2 90,70=IMG"
set +e
answer=$("$(dirname "$0")/probe_in_chromium.sh" "$work/page.html" "$probes")
probed=$?
set -e
[ "$probed" -eq 0 ] || exit "$probed"
hits=$(head -n 1 <<< "$answer")
if [ "$hits" != "$expected" ]; then
  echo "areas answer wrongly: got '$hits', expected '$expected'" >&2
  status=1
fi
[ "$status" -eq 0 ] && echo "exported page passed in $(chromium --version 2>/dev/null)"
exit "$status"
