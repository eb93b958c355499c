#!/usr/bin/env bash
# Loads a map page in headless Chromium, in a frame of a harness page beside it, and prints what
# each probe point of the page's picture hits (an AREA by its index among the page's areas, a shape
# inside a link as "a:" and the link's href, else the element's tag), one "x,y=hit" per probe on
# one line, then "source:" and the page's shown map source, percent-encoded. Probe points are
# picture pixels, scaled to where the picture is shown. Exits 77 when no Chromium is installed.
# Usage: probe_in_chromium.sh page.html "x,y x,y ..."
# Optional environment:
#   PROBE_PICTURE  the CSS selector of the picture probed (default: the first img, or an SVG image)
#   PROBE_WIDTH    the percentage of its own width the picture is shown at while probed
#   PROBE_HOVER    the CSS selector of a hover line: the mouse is moved over each probe point and
#                  what the line then says is printed after "hover:", one probe a line, percent-encoded
set -euo pipefail
page=${1:?usage: $0 page.html probes}
probes=${2:?usage: $0 page.html probes}

browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
  echo "SKIP: no chromium found (scripts/install-deps.sh installs it)" >&2
  exit 77
fi

scratch=$(mktemp -d)
harness="$(dirname "$page")/probe-harness-$$.html"
trap 'rm -rf "$scratch" "$harness"' EXIT
frame=$(basename "$page" | sed 's/\$/%24/g')
cat > "$harness" <<HTML
<!DOCTYPE html><html><body>
<iframe id="page" src="$frame" width="900" height="700"></iframe>
<pre id="result">no result</pre>
<script>
document.getElementById('page').onload = function () {
  const doc = this.contentDocument;
  const image = doc.querySelector('${PROBE_PICTURE:-img, image}');
  const width = Math.round(image.naturalWidth * ${PROBE_WIDTH:-100} / 100);
  if ('${PROBE_WIDTH:-}') {
    image.style.width = width + 'px';
    image.style.height = 'auto';
    // Headless Chromium draws no frames for --dump-dom, so the resize observer, which runs when a
    // frame is drawn, never would: the page hears the window's resize instead, as when a window
    // narrows a picture of max-width 100 %.
    this.contentWindow.dispatchEvent(new Event('resize'));
  }
  // A picture shown at another width is probed once the page's responsive script has scaled its
  // areas (it keeps the written coordinates aside then), or after a while without.
  const name = (image.getAttribute('usemap') || '').replace(/^#/, '');
  const map = Array.from(doc.querySelectorAll('map')).find(function (m) { return m.getAttribute('name') === name; });
  let waited = 0;
  (function wait() {
    const scaled = map && map.querySelector('area[data-vemo-coords]');
    if ('${PROBE_WIDTH:-}' && !scaled && (waited += 50) < 3000)
      setTimeout(wait, 50);
    else
      probe(doc, image);
  })();
};
function probe(doc, image) {
  const areas = Array.from(doc.querySelectorAll('area'));
  const box = image.getBoundingClientRect();
  // The picture's own pixels against its content box on the screen (an img's border left out).
  const html = image.tagName === 'IMG';
  const natural = html ? [image.naturalWidth, image.naturalHeight] : [image.width.baseVal.value, image.height.baseVal.value];
  const left = box.left + (html ? image.clientLeft : 0), top = box.top + (html ? image.clientTop : 0);
  const shown = html ? [image.clientWidth, image.clientHeight] : [box.width, box.height];
  const hovered = [];
  const hits = '$probes'.split(' ').map(function (probe) {
    const [x, y] = probe.split(',').map(Number);
    const at = [left + (x + 0.5) * shown[0] / natural[0], top + (y + 0.5) * shown[1] / natural[1]];
    const hit = doc.elementFromPoint(at[0], at[1]);
    if ('${PROBE_HOVER:-}' && hit) {
      const move = { bubbles: true, clientX: at[0], clientY: at[1] };
      hit.dispatchEvent(new MouseEvent('mouseover', move));
      hovered.push(encodeURIComponent(doc.querySelector('${PROBE_HOVER:-}').textContent));
      hit.dispatchEvent(new MouseEvent('mouseout', move));
    }
    const link = hit && hit.tagName !== 'AREA' && hit.closest('a');
    return probe + '=' + (hit && hit.tagName === 'AREA' ? areas.indexOf(hit) : link ? 'a:' + link.getAttribute('href') : hit && hit.tagName);
  });
  const source = doc.querySelector('pre');
  document.getElementById('result').textContent =
    'hits:' + hits.join(' ') + '\nsource:' + encodeURIComponent(source ? source.textContent : '') + '\n' +
    (hovered.length ? 'hover:' + hovered.join('\nhover:') + '\n' : '');
}
</script></body></html>
HTML

mkdir "$scratch/profile"
"$browser" --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
  --disable-background-networking --disable-component-update --disable-sync \
  --user-data-dir="$scratch/profile" --allow-file-access-from-files \
  --virtual-time-budget=5000 --dump-dom "file://$harness" > "$scratch/dom.html" 2> "$scratch/chromium.log" || {
  cat "$scratch/chromium.log" >&2
  exit 1
}
sed -n 's/^<pre id="result">hits:\(.*\)$/\1/p' "$scratch/dom.html"
sed -n 's/^\(source:.*\)$/\1/p' "$scratch/dom.html"
sed -n 's/^\(hover:.*\)$/\1/p' "$scratch/dom.html"
