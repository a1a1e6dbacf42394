#!/usr/bin/env bash
# Installs every Debian package Vocamir needs to build, run and test, and only those missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev
  libsqlite3-dev libespeak-ng-dev espeak-ng espeak-ng-data libsndfile1-dev libzip-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core xauth xvfb poppler-utils openbox xdotool x11-utils imagemagick
  dpkg-dev file pulseaudio pulseaudio-utils sox hspell sqlite3 unzip
  kdeedu-kvtml-data libkeduvocdocument-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
