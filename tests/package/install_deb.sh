#!/usr/bin/env bash
# The Debian package from end to end. cpack builds it and its declared dependencies are checked.
# Where this machine allows it (root, apt-get), the package is installed with apt-get, the
# installed editor is run by an ordinary user under X on a sample picture, asked for its help and
# left through File > Exit, and the package is removed again. Exits 77 (skipped) where it cannot
# install.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=/usr/bin/vemo-editor
fail() { echo "$*" >&2; exit 1; }

if [ -z "${E2E_INSIDE_X:-}" ]; then
  build=${1:?usage: $0 path/to/build-folder}
  out=$(mktemp -d)
  trap 'rm -rf "$out"' EXIT
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 \
    || { cat "$out/cpack.log" >&2; fail "cpack could not build the package"; }
  deb=$(echo "$out"/vemo-editor_*.deb)
  [ -f "$deb" ] || fail "cpack made no vemo-editor_*.deb"

  # A fresh system has none of the libraries a build machine has: they must be declared.
  depends=$(dpkg-deb -f "$deb" Depends)
  for needed in libqt6widgets6 libqt6gui6 libgraphicsmagick++-q16 qt6-qpa-plugins libstdc++6; do
    grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed: $depends"
  done

  if [ "$(id -u)" -ne 0 ] || ! command -v apt-get >/dev/null; then
    echo "skipped: installing the package needs root and apt-get"
    exit 77
  fi
  if dpkg-query -W -f='${Status}' vemo-editor 2>/dev/null | grep -q "ok installed"; then
    echo "skipped: vemo-editor is already installed here; remove it to run this check"
    exit 77
  fi

  apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=300 "$@"; }
  trap 'apt_get remove vemo-editor >/dev/null 2>&1 || true; rm -rf "$out"' EXIT
  chmod 755 "$out" # apt-get reads the file as an unprivileged user
  apt_get install "$deb" >"$out/apt.log" 2>&1 || { cat "$out/apt.log" >&2; fail "apt-get could not install the package"; }

  folder=$(dirname "$(readlink -f "$program")")
  [ -f "$folder/HELP/index.html" ] || fail "no HELP/index.html beside the installed program in $folder"
  [ -f /usr/share/icons/hicolor/scalable/apps/vemo-editor.svg ] || fail "the icon is not installed"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate /usr/share/applications/vemo-editor.desktop || fail "the desktop entry is not valid"
  fi

  E2E_INSIDE_X=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$program"

  apt_get remove vemo-editor >/dev/null
  [ ! -e "$program" ] || fail "$program is still there after removing the package"
  [ ! -e "$folder" ] || fail "$folder is still there after removing the package: $(ls -A "$folder")"
  echo "package install journey passed"
  exit 0
fi

# Inside X: the installed program, run by an ordinary user, for whom its folder is read-only.
source "$here/../e2e/lib.sh"
user=65534 # nobody
home="$work/home"
mkdir "$home"
cp "$here/../../samples/sample.gif" "$home/"
chown -R "$user:$user" "$home"
chmod 755 "$work"
cp "$XAUTHORITY" "$work/xauthority"
chmod 644 "$work/xauthority"
touch "$work/opened.txt"
chmod 666 "$work/opened.txt"

(cd "$home" && exec setpriv --reuid="$user" --regid="$user" --clear-groups \
  env -i HOME="$home" DISPLAY="$DISPLAY" XAUTHORITY="$work/xauthority" PATH="$work/bin:/usr/bin:/bin" \
  LANG=C.UTF-8 "$program" "$home/sample.gif") &
editor_pid=$!

wait_for_window "^sample\.gif in $home\$" >/dev/null
main=$(wait_for_window "^Vemo-Editor\$")
xdotool windowactivate --sync "$main"
keep_screenshot installed_editor

# The help pages are found beside the real program, through the link in bin.
choose_menu h t
for _ in $(seq 1 50); do
  grep -q "HELP/index.html" "$work/opened.txt" && break
  sleep 0.1
done
folder=$(dirname "$(readlink -f "$program")")
grep -qx "file://$folder/HELP/index.html" "$work/opened.txt" || fail "help opened '$(cat "$work/opened.txt")', not the installed pages"

xdotool windowactivate --sync "$main"
choose_menu f x
wait_for_exit
ini="$home/.config/Vemo-Editor/vemo-editor.INI"
[ -f "$ini" ] || fail "no settings file at $ini; $home holds: $(find "$home" | tr '\n' ' ')"
grep -q "^LEFT=" "$ini" || fail "$ini holds no window position: $(cat "$ini")"
echo "installed editor journey passed"
