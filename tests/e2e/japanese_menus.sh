#!/usr/bin/env bash
# End-to-end: under a Japanese locale the real program shows Japanese menus. The menu bar drawn in
# a Japanese run differs from the one drawn in an English run, and the view's title takes the
# Japanese form; a font with Japanese glyphs is on the machine, so the menus are not drawn as boxes.
# The settings file keeps the interface language.
set -euo pipefail
source "$(dirname "$0")/lib.sh"

if [ -z "$(fc-list :lang=ja family)" ]; then
  echo "no font with Japanese glyphs is installed (fonts-noto-cjk)" >&2
  exit 1
fi
convert -size 64x48 xc:white "$work/pics/photo.gif"

# Runs the editor on the picture under the given locale, keeps its menu bar as a picture and
# prints the view's title; leaves through File > Exit, whose keys are the same in both languages.
menu_bar_and_view_title() {
  LC_ALL=$1 start_editor "$work/pics/photo.gif"
  local main view
  main=$(wait_for_window "^Vemo-Editor\$")
  view=$(wait_for_window "photo\.gif")
  sleep 0.5
  xwd -id "$main" -silent | convert xwd:- -crop 300x20+0+0 +repage "png:$work/menu-$2.png"
  keep_screenshot "japanese_menus-$2" "$main"
  xdotool getwindowname "$view"
  xdotool windowactivate --sync "$main"
  choose_menu f x
  wait_for_exit
}

english_title=$(menu_bar_and_view_title C.UTF-8 english)
grep -q '^JAPAN=0' "$work/vemo-editor.INI"
japanese_title=$(menu_bar_and_view_title ja_JP.UTF-8 japanese)
grep -q '^JAPAN=1' "$work/vemo-editor.INI" || { echo "a Japanese run did not write JAPAN=1" >&2; exit 1; }

[ "$english_title" = "photo.gif in $work/pics" ] || { echo "English view title: $english_title" >&2; exit 1; }
[ "$japanese_title" = "$work/pics の photo.gif" ] || { echo "Japanese view title: $japanese_title" >&2; exit 1; }
# Compare prints how many pixels differ and exits 1 when any do.
differing=$(compare -metric AE "$work/menu-english.png" "$work/menu-japanese.png" null: 2>&1 || true)
if ! [ "${differing%% *}" -gt 200 ] 2>/dev/null; then
  echo "the Japanese menu bar looks like the English one ($differing pixels differ)" >&2
  exit 1
fi
echo "Japanese menus test passed"
