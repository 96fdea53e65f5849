#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up, then runs the whole test suite.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

bash "$root/scripts/setup.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)"
