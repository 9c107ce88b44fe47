#!/usr/bin/env bash
# Installs the Debian packages Figurewheel needs:
#   setup.sh          (or: setup.sh run)  to build and play the game;
#   setup.sh package  that and what building and checking the Debian
#                     package needs;
#   setup.sh test     all of that and everything the test suite needs.
# Safe to run again: it only calls apt when something is missing.
set -euo pipefail

run_packages=(
  # build: the compiler, CMake and Ninja, Qt's headers and tools (Qt's CMake
  # files also look for OpenGL's headers)
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libgl-dev libqt6opengl6-dev
  # the translations' build: Qt's CMake functions for them, lupdate and lrelease
  qt6-tools-dev qt6-l10n-tools
  # run: the X11 platform plugin, image formats, sound, a sans-serif face,
  # Qt's own texts in the player's language
  qt6-qpa-plugins libqt6multimedia6 fonts-liberation2 qt6-translations-l10n
)
package_packages=(
  # CPack's Debian generator (dpkg-shlibdeps, file) and Debian's package checker
  dpkg-dev file lintian
)
test_packages=(
  # a virtual display and a mouse robot for the end-to-end test,
  # clang and its sanitizer and fuzzer runtimes for the fuzz targets,
  # util-linux for setpriv
  xvfb xauth xdotool clang libclang-rt-14-dev util-linux
  # the desktop entry's and the software-centre entry's checkers
  desktop-file-utils appstream
  # the formatting check (.clang-format)
  clang-format
  # the screen-reader test: Orca and the AT-SPI bindings it is written in
  # (the test reads the cells with them too), the accessibility bus, a D-Bus
  # session and a window manager for them, and pkill to end them
  orca python3-pyatspi at-spi2-core dbus openbox procps
  # Qt's GTK platform theme, which brings GTK's dark Adwaita to the colour
  # schemes test
  qt6-gtk-platformtheme
  # a small Chinese and Japanese face, for the translations test to find
  # every glyph of those languages (a player's desktop brings its own)
  fonts-wqy-microhei
  # the sound-server test: a PulseAudio server of its own, and pactl to read
  # the playing sound as a volume mixer does
  pulseaudio pulseaudio-utils
)

case ${1:-run} in
  run) packages=("${run_packages[@]}") ;;
  package) packages=("${run_packages[@]}" "${package_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${package_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 [run|package|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "setup: these packages are missing and there is no sudo: ${missing[*]}" >&2
  exit 1
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
