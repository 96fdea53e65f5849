#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the whole tree with AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/
# and runs every test under them; any report fails the run.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

bash "$root/scripts/install-deps.sh" test
bash "$root/scripts/setup.sh" "$root/build-asan" -DBATTLE_TESH_SANITIZE=ON
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# Leaks inside the system's font and graphics libraries are theirs, not ours.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
ctest --test-dir "$root/build-asan" --output-on-failure -j"$(nproc)"
