#!/usr/bin/env bash
# Every text the sources hand to tr() has a finished translation in each translations/*.ts, and
# no translation is kept for a text the sources no longer have. lupdate reads the sources into a
# copy of each file, so the committed files are never touched.
# Usage: translations_complete.sh path/to/lupdate source-folder
set -euo pipefail
lupdate=${1:?usage: $0 path/to/lupdate source-folder}
root=${2:?usage: $0 path/to/lupdate source-folder}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
for committed in "$root"/translations/vemo_*.ts; do
  copy="$work/$(basename "$committed")"
  cp "$committed" "$copy"
  "$lupdate" -silent -locations none "$root/src" -ts "$copy"
  name=$(basename "$committed")
  untranslated=$(grep -c 'type="unfinished"' "$copy" || true)
  stale=$(grep -c 'type="vanished"\|type="obsolete"' "$copy" || true)
  empty=$(grep -c '<translation></translation>\|<translation/>' "$copy" || true)
  if [ "$untranslated" -ne 0 ] || [ "$stale" -ne 0 ] || [ "$empty" -ne 0 ]; then
    echo "$name: $untranslated texts without a finished translation, $stale translations of texts" \
      "the sources no longer have, $empty empty translations." >&2
    echo "Run 'cmake --build BUILD --target update_translations', translate, and commit." >&2
    grep -B2 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy" | grep '<source>' >&2 || true
    failed=1
  fi
done
[ "$failed" -eq 0 ] && echo "every text has its translation"
exit "$failed"
