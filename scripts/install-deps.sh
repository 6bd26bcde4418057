#!/usr/bin/env bash
# Installs everything Lexavo needs to build, run and test, from Debian's packages.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config python3
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libbenchmark-dev zlib1g-dev libicu-dev
  fonts-liberation fonts-liberation2
  dict-freedict-eng-ces dict-freedict-ces-eng dict-freedict-deu-eng trans-de-en
  xvfb openbox xdotool x11-utils xclip imagemagick poppler-utils
  clang libclang-rt-14-dev clang-format
  libhunspell-dev hunspell-cs hunspell-de-de hunspell-en-us
  qt6-translations-l10n desktop-file-utils
  dbus-daemon at-spi2-core python3-pyatspi
  libespeak-ng-dev espeak-ng-data
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
