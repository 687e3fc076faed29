#!/usr/bin/env bash
# Makes docs/screenshots/ from the real window under the offscreen platform:
# every page at 96 dpi, and at a scale factor of 2 for high-density screens.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build >/dev/null
cmake --build build --target msweight-screenshots >/dev/null
mkdir -p docs/screenshots
QT_QPA_PLATFORM=offscreen build/msweight-screenshots docs/screenshots
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 build/msweight-screenshots docs/screenshots @2x
ls docs/screenshots
