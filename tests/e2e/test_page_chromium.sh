#!/usr/bin/env bash
# The browser test page in headless Chromium: which element each probe point of the picture hits,
# and the shown map source read back.
# Usage: test_page_chromium.sh path/to/make_test_page
set -euo pipefail
make_page=${1:?usage: $0 path/to/make_test_page}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 200x100 gradient:yellow-green "$work/pic.gif"

# A rectangle, a circle and a U-shaped polygon; the lines hold everything the shown source must
# keep as written.
cat > "$work/map.txt" <<'MAP'
<IMG SRC="pic.gif" ALT="pic.gif" BORDER="0" WIDTH=200 HEIGHT=100 USEMAP="#pic">
<MAP NAME="pic">
<AREA SHAPE="RECT" COORDS="10,10,59,49" HREF="a.cgi?x=1&y=2&lt=3" ALT="B &amp; C">
<!-- &lt &gtx &quot; &ampamp; "<b>" -->

<AREA SHAPE="CIRC" COORDS="150,50,30" HREF="b.htm" ALT="表示 &lt;円&gt;">
<AREA SHAPE="POLY" COORDS="62,55,75,55,75,85,105,85,105,55,118,55,118,98,62,98" HREF="u.htm" ALT="U">
</MAP>
MAP
"$make_page" < "$work/map.txt" > "$work/\$\$TEMP\$\$.HTML"

# Probe points (picture coordinates) and what each must hit: an AREA by its index, or the IMG.
# The polygon answers in both arms and its base, but not in the notch between the arms.
probes="11,11 58,48 61,30 5,5 150,50 170,70 175,75 150,21 68,70 112,60 90,92 90,70 90,84 90,50 60,99"
expected="11,11=0 58,48=0 61,30=IMG 5,5=IMG 150,50=1 170,70=1 175,75=IMG 150,21=1 68,70=2 112,60=2 90,92=2 90,70=IMG"
expected="$expected 90,84=IMG 90,50=IMG 60,99=IMG"
set +e
answer=$("$(dirname "$0")/probe_in_chromium.sh" "$work/\$\$TEMP\$\$.HTML" "$probes")
probed=$?
set -e
[ "$probed" -eq 0 ] || exit "$probed"

status=0
hits=$(head -n 1 <<< "$answer")
if [ "$hits" != "$expected" ]; then
  echo "areas answer wrongly: got '$hits', expected '$expected'" >&2
  status=1
fi
source=$(sed -n 's/^source://p' <<< "$answer")
printf '%b' "${source//%/\\x}" > "$work/shown.txt"
if ! cmp -s "$work/shown.txt" "$work/map.txt"; then
  echo "the shown source differs from the map lines:" >&2
  diff "$work/map.txt" "$work/shown.txt" >&2 || true
  status=1
fi
[ "$status" -eq 0 ] && echo "test page passed in $(chromium --version 2>/dev/null)"
exit "$status"
