#!/usr/bin/env bash
# Installs the distribution packages the build needs (Debian), when any is missing.
set -euo pipefail
# Build: compiler, CMake, Ninja, GoogleTest, Qt 6 Widgets/PrintSupport/Test and Qt SVG (the
# icons). Tests: a font for the offscreen platform and pdftotext for the printed PDF.
packages=(cmake g++ ninja-build libgtest-dev qt6-base-dev qt6-svg-dev libqt6svg6 fonts-dejavu-core poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y "${missing[@]}"
fi
