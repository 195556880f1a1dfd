#!/usr/bin/env bash
# Installs what building, running, testing and packaging Kestrin needs on
# Debian 12 and 13 (the names are the same on both).
# Checks with dpkg first, so a machine that has everything never touches apt.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-qpa-plugins libgl-dev libasound2-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libx11-dev libxtst-dev libxfixes-dev libwayland-dev
  xvfb xauth xdotool x11-utils imagemagick
  weston qt6-wayland
  orca speech-dispatcher at-spi2-core dbus-daemon qt6-gtk-platformtheme
  fonts-dejavu-core
  desktop-file-utils appstream
  file dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
"${sudo[@]}" apt-get update
# Waits for another apt (another user, or unattended upgrades) to finish.
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}"
