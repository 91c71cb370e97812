#!/usr/bin/env bash
# Renders the SVG icons in resources/icons/ to the PNG sizes that are committed
# beside them. Needs qt6-svg-dev and fonts-dejavu-core.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tool=$(mktemp -d)
trap 'rm -rf "$tool"' EXIT
g++ -std=c++20 -fPIC -O1 "$root/scripts/render-icons.cpp" -o "$tool/render-icons" \
  $(pkg-config --cflags --libs Qt6Svg Qt6Gui)
QT_QPA_PLATFORM=offscreen "$tool/render-icons" "$root"/resources/icons/*.svg
