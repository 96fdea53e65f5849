#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what building needs, then configures and builds the program and its tests into build/
# (or into the directory given as first argument, with any further CMake options after it).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build_dir="${1:-$root/build}"
shift || true

bash "$root/scripts/install-deps.sh" build
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
