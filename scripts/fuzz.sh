#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each one for a bounded time
# (default 20 s, or the number of seconds given) from the committed seed corpus.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-20}"
build_dir="$root/build-fuzz"

bash "$root/scripts/install-deps.sh" fuzz
cmake -S "$root" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DBATTLE_TESH_FUZZ=ON >/dev/null
cmake --build "$build_dir" -j"$(nproc)"

failed=0
passed=0
for target in text_to_number damage lookups verdicts sheetfile teamtext savefile; do
    # New inputs go to a scratch corpus so the committed seeds stay small.
    work="$build_dir/corpus-work/$target"
    mkdir -p "$work"
    # Pastes and sheet files reach a megabyte, past where slow spots and caps show.
    size=()
    [[ $target == teamtext || $target == sheetfile ]] && size=(-max_len=1100000)
    if "$build_dir/fuzz/fuzz_$target" -max_total_time="$seconds" "${size[@]}" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build_dir/fuzz-$target-" \
        "$work" "$root/fuzz/corpus/$target" >"$build_dir/fuzz-$target.log" 2>&1; then
        echo "fuzz_$target: $(grep -m1 -o 'Done [0-9]* runs in [0-9]* second(s)' \
            "$build_dir/fuzz-$target.log"), no failure"
        passed=$((passed + 1))
    else
        echo "fuzz_$target: FAILED, see $build_dir/fuzz-$target.log"
        tail -n 30 "$build_dir/fuzz-$target.log"
        failed=$((failed + 1))
    fi
done
echo "fuzz: $passed passed, $failed failed"
((failed == 0))
