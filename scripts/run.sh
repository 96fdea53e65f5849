#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up, then starts the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

bash "$root/scripts/setup.sh" "$root/build"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "battle-tesh: no display found; start it from a desktop session." >&2
    exit 1
fi
exec "$root/build/app/battle-tesh" "$@"
