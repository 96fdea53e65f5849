#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what building and running need, builds, then starts the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Before anything is installed or built: without a display there is nothing to show it on.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "battle-tesh: no display found; start it from a desktop session." >&2
    exit 1
fi
bash "$root/scripts/setup.sh" "$root/build"
exec "$root/build/app/battle-tesh" "$@"
