#!/usr/bin/env bash
# Installs the Debian packages Daubrix needs to build, test and run; quick when all are there.
set -euo pipefail
PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libjpeg62-turbo-dev
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth clang
          desktop-file-utils shared-mime-info xdotool imagemagick libx11-dev
          poppler-utils  # pdftoppm: the printing tests read the printed PDF back
          libavcodec-dev libavformat-dev libswscale-dev # movies of the drawing being made
          ffmpeg) # ffprobe: the movie tests read the videos back
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
