#!/usr/bin/env bash
# Renders every picture listed in images.txt from its SVG drawing into resources/ (1x and @2x PNGs,
# multi-size ICOs). Needs only what scripts/install-deps.sh installs (Qt 5 with Qt SVG, CMake).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(mktemp -d)"
trap 'rm -rf "$build"' EXIT
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" >/dev/null
QT_QPA_PLATFORM=offscreen "$build/render_images" "$here/images.txt" "$here" "$here/.."
