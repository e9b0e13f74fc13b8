#!/usr/bin/env bash
# Installs what building, running and testing Zumoku need (Debian 12).
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-gothic xvfb xauth openbox xdotool x11-utils
  texlive-lang-japanese poppler-utils latexmk
  qt6-translations-l10n
  dpkg-dev desktop-file-utils appstream lintian
  qt6-pdf-dev libsynctex-dev
)
# clang's fuzzer and sanitizer runtimes, for the fuzz targets' run.
if command -v clang++-14 >/dev/null; then packages+=(libclang-rt-14-dev); fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  echo "Installing: ${missing[*]}"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
