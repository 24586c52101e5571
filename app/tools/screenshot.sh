#!/usr/bin/env bash
# Takes the README picture docs/window.png: the real window as the X server
# draws it, on a virtual 96 dpi display (Xvfb) with the Japanese fonts
# installed (fonts-noto-cjk).
# Usage: app/tools/screenshot.sh [BUILD_DIR]   (default: build-app)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build-app}

cmake --build "$build" --target velmora-window-shot -j2
mkdir -p docs
QT_QPA_PLATFORM=xcb xvfb-run --auto-servernum --server-args="-screen 0 1280x900x24 -dpi 96" \
  "$build/app/tools/velmora-window-shot" docs/window.png
echo "wrote docs/window.png"
