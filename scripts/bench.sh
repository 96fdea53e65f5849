#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything, then measures the program against a bare Qt window on one display: start-up
# and peak memory from outside, the hand-over, the tools' openings and the handlers from inside.
# Prints each figure with its bound and ratio, then one PASS or FAIL line per figure; exits 1
# when a figure misses its bound, 2 when something could not be measured. Without a display it
# runs on a virtual one (Xvfb). Usage: bash scripts/bench.sh [build-dir]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
starts=20

# Runs one measuring tool: its figures now, its verdicts kept for the summary.
run_tool() {
    local output status=0
    output="$("$@")" || status=$?
    printf '%s\n\n' "$(grep -v '^verdict ' <<<"$output")"
    grep '^verdict ' <<<"$output" | sed 's/^verdict //' >>"$verdicts" || true
    if ((status > 1)); then
        echo "FAIL  $(basename "$1") could not measure" >>"$verdicts"
    fi
}

measure() {
    local build_dir="$1"
    export QT_QPA_PLATFORM=xcb
    if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
        XDG_RUNTIME_DIR="$(mktemp -d)"
        export XDG_RUNTIME_DIR
    fi
    verdicts="$(mktemp)"
    trap 'rm -f "$verdicts"' EXIT

    echo "Battle Tesh benchmark on display $DISPLAY ($(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg))"
    echo
    run_tool "$build_dir/bench/launch_probe" "$starts" "$build_dir/bench/startup_probe" \
        "$build_dir/bench/bare_window"
    run_tool "$build_dir/bench/battle_tesh_bench"

    echo "Summary"
    cat "$verdicts"
    local failed
    failed="$(grep -c '^FAIL' "$verdicts" || true)"
    if ((failed > 0)); then
        echo "bench: $failed figure(s) missed their bounds"
        grep -q 'could not measure' "$verdicts" && exit 2
        exit 1
    fi
    echo "bench: every figure within its bound"
}

if [[ "${1:-}" == "--on-display" ]]; then
    measure "$2"
    exit
fi

build_dir="$(realpath -m "${1:-$root/build}")"
bash "$root/scripts/install-deps.sh" display
bash "$root/scripts/setup.sh" "$build_dir"
if [[ -n "${DISPLAY:-}" ]]; then
    exec bash "${BASH_SOURCE[0]}" --on-display "$build_dir"
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "${BASH_SOURCE[0]}" --on-display "$build_dir"
