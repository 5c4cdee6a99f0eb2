#!/usr/bin/env bash
# Measures the frame-rate limit on the minimal example: the program as it is (uncapped) and
# capped at 60 frames a second (minimal-capped, the same source with the limit set before main),
# each measured from outside by the preloaded swap probe (bench/swap_probe.cpp): frame rate,
# the 99th percentile of the times between frames, processor time per frame and per second, and
# processor time over what the frames alone took (from each wake-up to the frame's swap), all
# after a one-second warm-up.
#
#   bench/compare-pacing.sh [--build DIR] [--rounds N] [--seconds S]
#     --build DIR   the build made by `make bench` (default: build-bench beside this folder)
#     --rounds N    rounds, each running both programs once, in turns (default 5)
#     --seconds S   how long each program runs before it is asked to close (default 10)
#
# Targets for the capped program: a frame rate within 1 % of 60; a 99th percentile within 2 ms of
# 16.7 ms; and processor time per second at most 1.2 times its frames' own work. It also prints
# the capped processor time per second over the uncapped processor time per frame times 60: a
# capped frame, drawn after a sleep, costs more than one drawn in a busy loop. Prints each round,
# then the medians with the lowest and highest round; a missed target is reported, not an error.
set -euo pipefail
export LC_ALL=C

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
build=$root/build-bench
rounds=5
seconds=10
parse_options build=build rounds=rounds seconds=seconds -- "$@"
require_count rounds "$rounds"
require_count seconds "$seconds" 2

declare -A program=([uncapped]=$build/examples/minimal [capped]=$build/bench/minimal-capped)
use_probe_build "${program[@]}"

run_under_xvfb
start_measuring

echo "The minimal example uncapped and capped at 60: $rounds rounds of $seconds s each, under Xvfb"
echo "machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
print_load "at start"
for round in $(seq "$rounds"); do
    for name in $(rotated "$round" uncapped capped); do
        run_probed "$name-$round" "$work" "$seconds" "${program[$name]}"
    done
done
print_load "at end:  "
echo "renderer: $(figure capped-1 renderer)"
echo

# Per round: fps, 99th percentile (ms), processor ms per frame and seconds per second, uncapped
# then capped; the capped processor time over its frames' own; the capped program's caption.
for round in $(seq "$rounds"); do
    line=$round
    for name in uncapped capped; do
        for key in fps frame_ms_p99 cpu_ms_per_frame cpu_per_second; do
            line+=" $(figure "$name-$round" "$key")"
        done
    done
    echo "$line $(figure "capped-$round" cpu_over_frame_work) $(cat "$work/capped-$round.caption")"
done > "$work/rounds"

awk -v labelWidth=58 "$awk_median$awk_summary"'
BEGIN {
    printf "%-5s  %-30s  %-30s  %-9s  %s\n", "round", "uncapped: fps p99ms cpu/f cpu/s",
        "capped: fps p99ms cpu/f cpu/s", "cpu/work", "caption"
}
{
    n++
    uncappedFps[n] = $2; fps[n] = $6; p99[n] = $7; work[n] = $10; busy[n] = $9 / ($4 / 1000 * 60)
    printf "%-5s  %8.1f %6.2f %6.3f %6.3f  %8.2f %6.2f %6.3f %6.3f  %9.3f  %s\n",
        $1, $2, $3, $4, $5, $6, $7, $8, $9, $10, $11
}
END {
    printf "\nmedians over %d rounds:\n", n
    printf "  %-58s %.1f\n", "frame rate, uncapped:", median(uncappedFps, n)
    f = median(fps, n)
    summary("frame rate, capped", fps, "60 within 1 %", f >= 59.4 && f <= 60.6)
    p = median(p99, n)
    summary("99th percentile of frame time, capped (ms)", p99, "16.7 within 2 ms",
        p >= 14.67 && p <= 18.67)
    w = median(work, n)
    summary("processor time per second, capped / its frames\x27 own work", work, "<= 1.2", w <= 1.2)
    printf "  %-58s %.3f\n", "processor time per second, capped / (uncapped per frame x 60):",
        median(busy, n)
}' "$work/rounds"
