#!/usr/bin/env bash
# Installs the distribution packages the build needs (Debian 12), when any is missing.
# Optional groups as arguments add what one of the other scripts needs:
#   screenshot   scripts/screenshot.sh: a virtual display, its keyboard and a screen grabber
#   package      cpack -G DEB: the tools that find the package's library dependencies
set -euo pipefail
# Build: compiler, CMake, Ninja, GoogleTest, Qt 6 Widgets/PrintSupport/Test (qt6-base-dev) and
# Qt SVG (the icons). Tests: a font for the offscreen platform, pdftotext for the printed PDF,
# and the desktop's own checkers of the metainfo, the launcher and the file types.
packages=(cmake g++ ninja-build libgtest-dev qt6-base-dev qt6-svg-dev libqt6svg6 fonts-dejavu-core poppler-utils
  appstream desktop-file-utils shared-mime-info)
for group in "$@"; do
  case $group in
    screenshot) packages+=(xvfb xauth xdotool imagemagick) ;;
    package) packages+=(dpkg-dev file) ;;
    *) echo "install-deps.sh: unknown group '$group' (screenshot, package)" >&2; exit 2 ;;
  esac
done
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
