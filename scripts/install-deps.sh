#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need; does nothing when all are present.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libgraphicsmagick++1-dev libjpeg62-turbo-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool openbox xclip x11-apps x11-utils imagemagick
  fonts-noto-cjk chromium
  dpkg-dev file desktop-file-utils
  clang-14 libclang-rt-14-dev llvm-14
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
