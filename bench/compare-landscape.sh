#!/usr/bin/env bash
# Compares the landscape demo, as it starts by default and with its retained pack (--retained),
# with the hand-written baseline (bench/baseline_landscape.cpp): frame rate, time from launch to
# the first presented frame, and peak resident memory, each program measured from outside by the
# same preloaded swap probe (bench/swap_probe.cpp).
#
#   bench/compare-landscape.sh [--build DIR] [--rounds N] [--seconds S]
#     --build DIR   the build made by `make bench` (default: build-bench beside this folder)
#     --rounds N    rounds, each running the three programs once, in turns (default 5)
#     --seconds S   how long each program runs before it is asked to close (default 10)
#
# It starts its own Xvfb, writes the landscape files into a temporary folder with make-landscape,
# runs the programs from there, closes each with SIGTERM (which all treat as a close request)
# and prints a table, the median ratios with the lowest and highest round, and whether each
# target is met. It exits non-zero only on errors (a program missing, failing or not closing); a
# missed target is reported, not an error.
set -euo pipefail
export LC_ALL=C

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
build=$root/build-bench
rounds=5
seconds=10
parse_options build=build rounds=rounds seconds=seconds -- "$@"
require_count rounds "$rounds"
require_count seconds "$seconds" 2

demo=$build/app/landscape
baseline=$build/bench/baseline-landscape
declare -A program=([baseline]=$baseline [demo]=$demo [retained]="$demo --retained")
use_probe_build "$demo" "$baseline"

# Everything below runs under one Xvfb, the same for every run.
run_under_xvfb

start_measuring
make_landscape "$work/data"

echo "The landscape demo, by default and retained, against the baseline: $rounds rounds of" \
    "$seconds s each, under Xvfb"
echo "machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
print_load "at start"

for round in $(seq "$rounds"); do
    for name in $(rotated "$round" baseline demo retained); do
        read -ra command <<< "${program[$name]}"
        run_probed "$name-$round" "$work/data" "$seconds" "${command[@]}"
    done
done

print_load "at end:  "
renderer=$(figure demo-1 renderer)
echo "renderer: $renderer"
for name in baseline demo retained; do
    echo "$name: framebuffer $(figure "$name-1" framebuffer), viewport $(figure "$name-1" viewport)"
done
for name in demo retained; do
    [[ $(figure "$name-1" framebuffer) == "$(figure baseline-1 framebuffer)" &&
        $(figure "$name-1" viewport) == "$(figure baseline-1 viewport)" ]] ||
        echo "WARNING: $name and the baseline drew into different framebuffers; unfair comparison"
done
echo

# round_line ROUND: per program (baseline, demo, retained) the fps, then the first frames (ms),
# then the peak memories (KiB); then the two captions.
round_line() {
    local line=$1 key name
    for key in fps first_frame_ms peak_rss_kib; do
        for name in baseline demo retained; do
            line+=" $(figure "$name-$1" "$key")"
        done
    done
    echo "$line $(cat "$work/demo-$1.caption") $(cat "$work/retained-$1.caption")"
}

for round in $(seq "$rounds"); do
    round_line "$round"
done > "$work/rounds"

# The start-up limit is the baseline's time plus 20 %, plus the 50 ms pause that every context
# creation makes in the framework. The retained pack's recording holds a copy of the mesh: its
# cost is the retained demo's peak memory over the default demo's.
awk -v labelWidth=49 "$awk_median$awk_summary"'
BEGIN {
    printf "%-5s  %-26s  %-13s  %-20s  %-16s  %-20s  %s\n", "round", "fps: base demo retained",
        "ratios d. r.", "1st ms: b. d. r.", "vs limit d. r.", "MiB: b. d. r.", "captions"
}
{
    n++
    limit = 1.2 * $5 + 50
    fpsDemo[n] = $3 / $2; fpsRetained[n] = $4 / $2
    startDemo[n] = $6 / limit; startRetained[n] = $7 / limit
    memoryDemo[n] = $9 / $8; memoryRetained[n] = $10 / $8; recording[n] = ($10 - $9) / 1024
    printf "%-5s  %8.2f %8.2f %8.2f  %6.3f %6.3f  %6.0f %6.0f %6.0f  %7.3f %7.3f  %6.1f %6.1f %6.1f  %s %s\n",
        $1, $2, $3, $4, fpsDemo[n], fpsRetained[n], $5, $6, $7, startDemo[n], startRetained[n],
        $8 / 1024, $9 / 1024, $10 / 1024, $11, $12
}
END {
    printf "\nmedian ratios over %d rounds:\n", n
    f = median(fpsDemo, n); summary("frame rate, demo / baseline", fpsDemo, ">= 0.97", f >= 0.97)
    f = median(fpsRetained, n)
    summary("frame rate, retained / baseline", fpsRetained, ">= 1.25", f >= 1.25)
    s = median(startDemo, n)
    summary("first frame, demo / (1.2 x baseline + 50 ms)", startDemo, "<= 1", s <= 1)
    s = median(startRetained, n)
    summary("first frame, retained / (1.2 x baseline + 50 ms)", startRetained, "<= 1", s <= 1)
    m = median(memoryDemo, n)
    summary("peak resident memory, demo / baseline", memoryDemo, "<= 1.1", m <= 1.1)
    m = median(memoryRetained, n)
    summary("peak resident memory, retained / baseline", memoryRetained, "<= 1.3", m <= 1.3)
    printf "  %-49s %.1f MiB (median)\n", "the recording: peak memory, retained - demo:",
        median(recording, n)
}' "$work/rounds"
