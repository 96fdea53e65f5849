#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up, then runs the whole test suite twice: in the C locale and under a desktop
# locale that writes decimals with a comma, where every figure must read and write the same.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

bash "$root/scripts/setup.sh" "$root/build"
for locale in C.UTF-8 de_DE.UTF-8; do
    echo "== test suite under $locale"
    LC_ALL="$locale" LANG="$locale" ctest --test-dir "$root/build" --output-on-failure -j"$(nproc)"
done
