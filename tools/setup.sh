#!/usr/bin/env bash
# Installs what building, running and testing the program need on Debian 12,
# skipping what is already there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libsqlite3-dev
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-dejavu-core
  libxlsxwriter-dev               # the analysis workbook
  ffmpeg                          # clips cut from the match video, and their tests
  python3-openpyxl poppler-utils  # the tests read the workbook and the report back
  libmpv-dev ffmpeg               # the video player (libmpv, loaded at the first video) and the test videos
  qt6-translations-l10n           # Qt's own dialogs (choosing a file or folder) in Japanese
  # the Debian package (dpkg-shlibdeps) and the install checks: validators,
  # MIME and menu databases, GIO's file-type look-up
  dpkg-dev python3 desktop-file-utils appstream shared-mime-info libglib2.0-bin
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
