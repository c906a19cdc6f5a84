#!/usr/bin/env bash
# Installs the Debian packages Lunasoma needs to build, test and be looked at.
# Safe to run twice: packages already present are skipped, and apt is only asked
# when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 qt6-svg-dev
  qt6-qpa-plugins qt6-wayland libgl-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev clang-format
  fonts-liberation2 fontconfig
  xvfb xauth imagemagick x11-utils xdotool
  desktop-file-utils appstream dpkg-dev
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n locales-all
  dbus-daemon libglib2.0-bin dconf-gsettings-backend dconf-service
  gsettings-desktop-schemas mate-desktop-common cinnamon-desktop-data
  at-spi2-core python3-pyatspi
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages present"
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
