#!/usr/bin/env bash
# Regenerates every picture, the sound and the animation of the game from the
# drawing program in tools/art, then reads each file back with Qt to check it.
# The output is the same, byte for byte, on every run.
#
#   bash scripts/make-assets.sh                      all assets, the help picture from
#                                                    tools/art/shots/main-window.png
#   bash scripts/make-assets.sh --help-shot SHOT.png [--count X,Y] [--row X,Y] [--answer X,Y] [--hint X,Y]
#                                                    also ui/pictures/help.bmp from a PNG
#                                                    screenshot of the main window during a game
#                                                    (anchors in the screenshot's pixels)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

shot=
anchors=()
while [ $# -gt 0 ]; do
  case "$1" in
    --help-shot) shot=$(realpath "$2"); shift 2 ;;
    --count|--row|--answer|--hint) anchors+=("$1" "$2"); shift 2 ;;
    *) echo "make-assets: unknown argument $1" >&2; exit 2 ;;
  esac
done

# By default the help picture is made from the screenshot kept in the
# repository: the main window during a game, with the menu bar at the top.
if [ -z "$shot" ] && [ -f tools/art/shots/main-window.png ]; then
  shot=$root/tools/art/shots/main-window.png
fi

cmake -S tools/art -B build-art -G Ninja >/dev/null
cmake --build build-art -j 2 >/dev/null

# The tool draws offscreen and needs no display or session.
export QT_QPA_PLATFORM=offscreen
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  export XDG_RUNTIME_DIR=$root/build-art/runtime
  mkdir -p "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
fi

build-art/art --all "$root"
if [ -n "$shot" ]; then
  build-art/art --help-picture "$shot" "$root/ui/pictures/help.bmp" "${anchors[@]}"
fi
build-art/art --check "$root"
