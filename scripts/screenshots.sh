#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the README's screenshots in docs/screenshots/ on a virtual X display.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

bash "$root/scripts/install-deps.sh" display
bash "$root/scripts/setup.sh" "$root/build"
mkdir -p "$root/docs/screenshots"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    "$root/build/docs/make_screenshots" "$root/docs/screenshots"
echo "Screenshots written to docs/screenshots/"
