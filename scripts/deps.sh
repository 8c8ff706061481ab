#!/usr/bin/env bash
# Installs, on Debian 12, the packages that building, running and testing need,
# skipping the apt run when every one of them is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev qt6-translations-l10n
  qt6-pdf-dev libcups2-dev libgl-dev libjpeg62-turbo-dev
  poppler-utils
  xvfb xauth imagemagick
  # installing: the icon's pictures, the validators, the MIME database
  librsvg2-bin desktop-file-utils appstream shared-mime-info
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
