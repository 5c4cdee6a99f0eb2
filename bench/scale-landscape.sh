#!/usr/bin/env bash
# How the landscape's frame cost grows with its mesh: the demo by default (client arrays every
# frame) and retained (--retained) on meshes of about 16 k, 64 k, 256 k and 1 M quads, each
# measured from outside by the swap probe (bench/swap_probe.cpp): milliseconds of processor time
# per frame (all threads) with one llvmpipe thread (LP_NUM_THREADS=1), and the frame rate with
# llvmpipe's default threads.
#
#   bench/scale-landscape.sh [--build DIR] [--rounds N] [--seconds S] [--chart FILE.png]
#     --build DIR   the build made by `make bench` (default: build-bench beside this folder)
#     --rounds N    rounds, each running every program on every mesh once (default 3)
#     --seconds S   how long each run lasts before it is asked to close (default 10)
#     --chart FILE  also draw milliseconds per frame against quads with gnuplot into FILE (PNG)
#
# Prints the medians over the rounds as a Markdown table. Runs alternate within a round.
set -euo pipefail
export LC_ALL=C

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
build=$root/build-bench
rounds=3
seconds=10
chart=
parse_options build=build rounds=rounds seconds=seconds chart=chart -- "$@"
require_count rounds "$rounds"
require_count seconds "$seconds" 3
[[ -z $chart ]] || chart=$(realpath -m "$chart")
[[ -z $chart ]] || require_commands gnuplot

demo=$build/app/landscape
use_probe_build "$demo"
sides=(128 253 512 1024) # 16 384, 64 009, 262 144 and 1 048 576 quads
# Each program: how it is started, by name.
declare -A program=([default-1]="env LP_NUM_THREADS=1 $demo"
                    [retained-1]="env LP_NUM_THREADS=1 $demo --retained"
                    [default]="$demo" [retained]="$demo --retained")
names=(default-1 retained-1 default retained)

run_under_xvfb
start_measuring
for side in "${sides[@]}"; do
    make_landscape "$work/data-$side" "$side"
done

echo "The landscape's frame cost by mesh size: $rounds rounds of $seconds s a run, under Xvfb"
echo "machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
print_load "at start"
for round in $(seq "$rounds"); do
    for side in "${sides[@]}"; do
        for name in $(rotated "$round" "${names[@]}"); do
            read -ra command <<< "${program[$name]}"
            run_probed "$name-$side-$round" "$work/data-$side" "$seconds" "${command[@]}"
        done
    done
done
print_load "at end:  "
echo "renderer: $(figure "default-128-1" renderer)"
echo

# One line per size and round: quads, then ms per frame with one thread (default, retained),
# then the frame rates with the default threads (default, retained).
for side in "${sides[@]}"; do
    for round in $(seq "$rounds"); do
        echo "$((side * side)) $(figure "default-1-$side-$round" cpu_ms_per_frame)" \
            "$(figure "retained-1-$side-$round" cpu_ms_per_frame)" \
            "$(figure "default-$side-$round" fps) $(figure "retained-$side-$round" fps)"
    done
done > "$work/rounds"

awk "$awk_median"'
function flush(    i) {
    if (!runs)
        return
    for (i = 1; i <= 4; i++) {
        for (k = 1; k <= runs; k++)
            v[k] = value[i, k]
        m[i] = median(v, runs)
    }
    printf "| %9d | %9.1f | %9.1f | %5.2f | %8.2f | %8.2f | %5.2f |\n", quads, m[1], m[2],
        m[1] / m[2], m[3], m[4], m[4] / m[3]
    printf "%d %.3f %.3f\n", quads, m[1], m[2] > "'"$work/chart.dat"'"
    runs = 0
}
$1 != quads { flush(); quads = $1 }
{ runs++; for (i = 1; i <= 4; i++) value[i, runs] = $(i + 1) }
BEGIN {
    print "| quads | ms/frame default, 1 thread | ms/frame retained, 1 thread | ratio |" \
        " fps default | fps retained | ratio |"
    print "|---:|---:|---:|---:|---:|---:|---:|"
}
END { flush() }' "$work/rounds"
echo "(medians over $rounds rounds; ms/frame: processor time of all threads per frame)"

[[ -n $chart ]] || exit 0
gnuplot <<GNUPLOT
set terminal pngcairo size 800,500 font ",11"
set output "$chart"
set title "Landscape demo: processor time per frame (one llvmpipe thread)"
set xlabel "quads (millions)"
set ylabel "ms per frame"
set key top left
set grid
set xrange [0:*]
set yrange [0:*]
plot "$work/chart.dat" using (\$1 / 1e6):2 with linespoints lw 2 pt 7 title "default (client arrays)", \
     "" using (\$1 / 1e6):3 with linespoints lw 2 pt 5 title "retained (display list)"
GNUPLOT
echo "chart: $chart"
