#!/usr/bin/env bash
# Loads a map page in headless Chromium, in a frame of a harness page beside it, and prints what
# each probe point of the page's picture hits (an AREA by its index among the page's areas, else
# the element's tag), one "x,y=hit" per probe on one line, then "source:" and the page's shown map
# source, percent-encoded. Exits 77 when no Chromium is installed.
# Usage: probe_in_chromium.sh page.html "x,y x,y ..."
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
  const areas = Array.from(doc.querySelectorAll('area'));
  const picture = doc.querySelector('img').getBoundingClientRect();
  const hits = '$probes'.split(' ').map(function (probe) {
    const [x, y] = probe.split(',').map(Number);
    const hit = doc.elementFromPoint(picture.left + x + 0.5, picture.top + y + 0.5);
    return probe + '=' + (hit && hit.tagName === 'AREA' ? areas.indexOf(hit) : hit && hit.tagName);
  });
  const shown = doc.querySelector('pre');
  document.getElementById('result').textContent =
    'hits:' + hits.join(' ') + '\nsource:' + encodeURIComponent(shown ? shown.textContent : '') + '\n';
};
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
