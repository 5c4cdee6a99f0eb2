#!/usr/bin/env bash
# Measures the text module against bitmap fonts: bench-text draws 10,000 glyphs of the built-in
# font a frame, uncapped, as one textured quad a glyph from one texture (quads) or as one glBitmap
# a glyph (bitmap), each measured from outside by the preloaded swap probe
# (bench/swap_probe.cpp) after a one-second warm-up.
#
#   bench/compare-text.sh [--build DIR] [--rounds N] [--seconds S]
#     --build DIR   a build with VYN_BUILD_BENCH=ON (default: build beside this folder)
#     --rounds N    rounds, each running both ways once, in turns (default 5)
#     --seconds S   how long each run lasts before it is asked to close (default 8)
#
# Prints each round's frame rates and processor time per frame, then the medians with the lowest
# and highest round, and the ratio quads over bitmap (target: above 1).
set -euo pipefail
export LC_ALL=C

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
rounds=5
seconds=8
parse_options build=build rounds=rounds seconds=seconds -- "$@"
require_count rounds "$rounds"
require_count seconds "$seconds" 2

program=$build/bench/bench-text
use_probe_build "$program"

run_under_xvfb
start_measuring

echo "10,000 glyphs a frame, quads against glBitmap: $rounds rounds of $seconds s each, under Xvfb"
echo "machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
print_load "at start"
for round in $(seq "$rounds"); do
    for way in $(rotated "$round" quads bitmap); do
        run_probed "$way-$round" "$work" "$seconds" "$program" "$way"
    done
done
print_load "at end:  "
echo "renderer: $(figure quads-1 renderer)"
echo

for round in $(seq "$rounds"); do
    echo "$round $(figure "quads-$round" fps) $(figure "quads-$round" cpu_ms_per_frame)" \
        "$(figure "bitmap-$round" fps) $(figure "bitmap-$round" cpu_ms_per_frame)"
done > "$work/rounds"

awk -v labelWidth=40 "$awk_median$awk_summary"'
BEGIN { printf "%-5s  %-22s  %-22s  %s\n", "round", "quads: fps cpu ms/f", "bitmap: fps cpu ms/f", "ratio" }
{
    n++
    quads[n] = $2; bitmap[n] = $4; ratio[n] = $2 / $4
    printf "%-5s  %8.1f %9.2f  %10.1f %9.2f  %8.2f\n", $1, $2, $3, $4, $5, ratio[n]
}
END {
    printf "\nmedians over %d rounds:\n", n
    printf "  %-40s %.1f\n", "frame rate, quads:", median(quads, n)
    printf "  %-40s %.1f\n", "frame rate, glBitmap:", median(bitmap, n)
    r = median(ratio, n)
    summary("frame rate, quads / glBitmap", ratio, "> 1", r > 1)
}' "$work/rounds"
