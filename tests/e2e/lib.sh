# Shared steps of the end-to-end journeys: a real X server with a window manager, a scratch
# folder holding a copy of the program (so its settings file lands there), and helpers to find
# windows and keep screenshots. Source it from a journey with the program's path as $1.

# Runs the journey again inside a fresh X server unless it already runs in one.
if [ -z "${E2E_INSIDE_X:-}" ]; then
  export E2E_INSIDE_X=1
  exec xvfb-run -a -s "-screen 0 ${E2E_SCREEN:-1024x768}x24" "$0" "$@"
fi

program=${1:?usage: $0 path/to/vemo-editor}
work=$(mktemp -d)
cleanup() { kill "${editor_pid:-}" "${wm_pid:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
cp "$program" "$work/vemo-editor"
mkdir "$work/pics"

openbox >/dev/null 2>&1 &
wm_pid=$!
sleep 1

# The desktop's opener is replaced by one that only notes what it was asked to open, so no
# browser starts during a journey.
mkdir "$work/bin"
cat > "$work/bin/xdg-open" <<OPENER
#!/bin/sh
echo "\$1" >> "$work/opened.txt"
OPENER
chmod +x "$work/bin/xdg-open"

# Starts the editor in the scratch folder with the given arguments, on the X server even when
# the caller's environment names Qt's offscreen platform (as the widget tests' runs do).
start_editor() {
  (cd "$work" && PATH="$work/bin:$PATH" LANG=C.UTF-8 env -u QT_QPA_PLATFORM ./vemo-editor "$@") &
  editor_pid=$!
}

# Prints the id of the first visible window whose name matches the pattern, waiting for it.
wait_for_window() {
  for _ in $(seq 1 100); do
    if id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  echo "window '$1' did not appear" >&2
  return 1
}

# Keeps a screenshot of the whole screen, or of one window, as a test artefact.
keep_screenshot() {
  local folder=${E2E_ARTEFACTS:-$work}
  mkdir -p "$folder"
  if [ -n "${2:-}" ]; then
    xwd -id "$2" -silent | convert xwd:- "png:$folder/$1.png"
  else
    xwd -root -silent | convert xwd:- "png:$folder/$1.png"
  fi
}

# Sets X and Y to the screen position of a window's client area.
client_origin() {
  X=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $4}')
  Y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $4}')
}

# Opens a menu of the active window with its Alt key and picks an item by its key.
choose_menu() {
  xdotool key --clearmodifiers "alt+$1"
  sleep 0.3
  xdotool key "$2"
}

# Clicks a button of the main window's tool bar by its place: 0 Open, 1 Save, 2 Clip, 3 Image,
# 4 Edit, 5 RECT, 6 CIRC, 7 Test, 8 Help.
click_tool_button() {
  client_origin "$1"
  xdotool mousemove --sync $((X + 30 + 56 * $2)) $((Y + 45)) click 1
}

# Drags with the real mouse from a point of a window's client area by (dx, dy), in five steps.
drag_in_window() {
  client_origin "$1"
  local x=$((X + $2)) y=$((Y + $3))
  xdotool mousemove --sync "$x" "$y" mousedown 1
  for step in 1 2 3 4 5; do
    xdotool mousemove --sync $((x + $4 * step / 5)) $((y + $5 * step / 5))
    sleep 0.05
  done
  xdotool mouseup 1
  sleep 0.3
}

# Clicks into a field at a point of a window's client area and replaces its text.
type_into() {
  client_origin "$1"
  xdotool mousemove --sync $((X + $2)) $((Y + $3)) click 1
  xdotool key ctrl+a
  xdotool type --delay 20 "$4"
}

# Selects a line of the main window's map list with the keyboard, after a click into the list's
# empty lower part gives it the focus.
select_list_line() {
  client_origin "$1"
  local height
  height=$(xwininfo -id "$1" | awk '/^  Height:/ {print $2}')
  xdotool mousemove --sync $((X + 100)) $((Y + height - 45)) click 1
  xdotool key Home
  for _ in $(seq 1 "$2"); do xdotool key Down; done
  sleep 0.2
}

# Presses Return in an area dialog, which sets its region, then saves with File > Save Source in
# the main window that comes back.
set_area_and_save() {
  xdotool windowactivate --sync "$1"
  xdotool key Return
  sleep 0.3
  xdotool windowactivate --sync "$2"
  choose_menu f s
  sleep 0.3
}

# Fails unless the file holds exactly the given lines, each ended by CR LF.
expect_lines() {
  local file=$1
  shift
  if [ "$(od -c < "$file")" != "$(printf '%s\r\n' "$@" | od -c)" ]; then
    echo "$file is not as expected; it holds:" >&2
    cat -A "$file" >&2
    return 1
  fi
}

# Waits until the editor has exited and fails when it does not.
wait_for_exit() {
  for _ in $(seq 1 50); do
    kill -0 "$editor_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$editor_pid" 2>/dev/null; then
    echo "the editor did not exit" >&2
    return 1
  fi
  wait "$editor_pid"
}
