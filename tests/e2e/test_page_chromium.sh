#!/usr/bin/env bash
# The browser test page in headless Chromium: a harness page beside it loads it in a frame, asks
# which element each probe point of the picture hits, and reads back the shown map source.
# Usage: test_page_chromium.sh path/to/make_test_page
set -euo pipefail
make_page=${1:?usage: $0 path/to/make_test_page}

browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
  echo "SKIP: no chromium found (scripts/install-deps.sh installs it)"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 200x100 gradient:yellow-green "$work/pic.gif"

# A rectangle, a circle and a U-shaped polygon; the lines hold everything the shown source must keep as written.
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
cat > "$work/harness.html" <<HTML
<!DOCTYPE html><html><body>
<iframe id="page" src="\$\$TEMP\$\$.HTML" width="900" height="700"></iframe>
<pre id="result">no result</pre>
<script>
document.getElementById('page').onload = function () {
  const doc = this.contentDocument;
  const areas = Array.from(doc.querySelectorAll('area'));
  const picture = doc.querySelector('img').getBoundingClientRect();
  const hits = '$probes'.split(' ').map(function (probe) {
    const [x, y] = probe.split(',').map(Number);
    const hit = doc.elementFromPoint(picture.left + x + 0.5, picture.top + y + 0.5);
    return probe + '=' + (hit && hit.tagName === 'AREA' ? areas.indexOf(hit) : hit && hit.tagName);
  });
  document.getElementById('result').textContent =
    'hits:' + hits.join(' ') + '\nsource:' + encodeURIComponent(doc.querySelector('pre').textContent) + '\n';
};
</script></body></html>
HTML

mkdir "$work/profile"
"$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$work/profile" --allow-file-access-from-files \
  --virtual-time-budget=5000 --dump-dom "file://$work/harness.html" > "$work/dom.html" 2> "$work/chromium.log" || {
  cat "$work/chromium.log" >&2
  exit 1
}

status=0
hits=$(sed -n 's/^<pre id="result">hits:\(.*\)$/\1/p' "$work/dom.html")
if [ "$hits" != "$expected" ]; then
  echo "areas answer wrongly: got '$hits', expected '$expected'" >&2
  status=1
fi
source=$(sed -n 's/^source:\(.*\)$/\1/p' "$work/dom.html")
printf '%b' "${source//%/\\x}" > "$work/shown.txt"
if ! cmp -s "$work/shown.txt" "$work/map.txt"; then
  echo "the shown source differs from the map lines:" >&2
  diff "$work/map.txt" "$work/shown.txt" >&2 || true
  status=1
fi
[ "$status" -eq 0 ] && echo "test page passed in $("$browser" --version 2>/dev/null)"
exit "$status"
