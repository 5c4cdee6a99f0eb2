#!/usr/bin/env bash
# Compares the landscape demo with the hand-written baseline (bench/baseline_landscape.cpp): frame
# rate, time from launch to the first presented frame, and peak resident memory, each program
# measured from outside by the same preloaded swap probe (bench/swap_probe.cpp).
#
#   bench/compare-landscape.sh [--build DIR] [--rounds N] [--seconds S]
#     --build DIR   the build made by `make bench` (default: build-bench beside this folder)
#     --rounds N    rounds, each running both programs once, in turns (default 5)
#     --seconds S   how long each program runs before it is asked to close (default 10)
#
# It starts its own Xvfb, writes the landscape files into a temporary folder with make-landscape,
# runs both programs from there, closes each with SIGTERM (which both treat as a close request)
# and prints a table, the median ratios and whether each target is met. It exits non-zero only on
# errors (a program missing, failing or not closing); a missed target is reported, not an error.
set -euo pipefail
export LC_ALL=C

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
build=$root/build-bench
rounds=5
seconds=10
parse_options build=build rounds=rounds seconds=seconds -- "$@"
[[ $rounds =~ ^[1-9][0-9]*$ ]] || die "--rounds needs a positive whole number, not $rounds"
[[ $seconds =~ ^[1-9][0-9]*$ ]] || die "--seconds needs a positive whole number, not $seconds"
(( seconds >= 2 )) || die "--seconds needs at least 2: the first second is the probe's warm-up"

declare -A program=([demo]=$build/app/landscape [baseline]=$build/bench/baseline-landscape)
maker=$build/tools/make-landscape
probe=$build/bench/libvynswapprobe.so
require_built "make bench" "${program[@]}" "$maker" "$probe"

# Everything below runs under one Xvfb, the same for every run.
run_under_xvfb

work=$(mktemp -d)
running=
# An error or an interruption leaves no program behind.
trap '[[ -z $running ]] || kill -KILL "$running" 2> /dev/null; rm -rf "$work"' EXIT
"$maker" "$work/data" > "$work/make-landscape.log" 2>&1 ||
    die "make-landscape failed: $(tail -n 1 "$work/make-landscape.log")"

# The demo's caption, "vynSingleWindow [N FPS]": the frames it counted in the last second.
caption_fps() {
    command -v xdotool > /dev/null || { echo "-"; return; }
    local caption
    caption=$(xdotool search --name ' FPS\]$' getwindowname %@ 2> /dev/null | head -n 1 || true)
    [[ $caption =~ \[([0-9]+)\ FPS\]$ ]] && echo "${BASH_REMATCH[1]}" || echo "-"
}

# Waits up to ten seconds for the program to end after SIGTERM; its exit status must be 0.
close_program() {
    local name=$1 pid=$2 log=$3 status=0
    kill -TERM "$pid" 2> /dev/null || true
    for _ in $(seq 100); do
        kill -0 "$pid" 2> /dev/null || break
        sleep 0.1
    done
    if kill -0 "$pid" 2> /dev/null; then
        kill -KILL "$pid"
        die "$name did not close within 10 s of SIGTERM"
    fi
    wait "$pid" || status=$?
    [[ $status -eq 0 ]] || die "$name exited with status $status: $(tail -n 3 "$log")"
}

# run_program NAME ROUND COMMAND...: one run from the data folder; leaves the probe's report in
# $work/NAME-ROUND.report and the count its caption showed ("-" for none) in NAME-ROUND.caption.
run_program() {
    local name=$1 round=$2
    shift 2
    local report=$work/$name-$round.report log=$work/$name-$round.log
    (
        cd "$work/data"
        VYN_PROBE_REPORT=$report VYN_PROBE_LAUNCH=$EPOCHREALTIME LD_PRELOAD=$probe exec "$@"
    ) > "$log" 2>&1 &
    local pid=$!
    running=$pid
    sleep "$seconds"
    kill -0 "$pid" 2> /dev/null || { close_program "$name" "$pid" "$log"; die "$name ended early"; }
    caption_fps > "$work/$name-$round.caption"
    close_program "$name" "$pid" "$log"
    running=
    [[ -s $report ]] || die "$name left no probe report; is $probe loadable?"
}

# figure NAME ROUND KEY: one value of a report; fails when the run did not produce it.
figure() {
    local value
    value=$(awk -v key="$3" '$1 == key { $1 = ""; sub(/^ /, ""); print; exit }' \
        "$work/$1-$2.report")
    [[ -n $value ]] || die "$1 (round $2) reported no $3: it presented too few frames"
    echo "$value"
}

echo "Landscape demo against the baseline: $rounds rounds of $seconds s each, under Xvfb"
echo "machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"

for round in $(seq "$rounds"); do
    # Turns alternate so that neither program always runs on a cache warmed by the other.
    if (( round % 2 )); then order=(baseline demo); else order=(demo baseline); fi
    for name in "${order[@]}"; do
        run_program "$name" "$round" "${program[$name]}"
    done
done

echo "load average at end:   $(cut -d' ' -f1-3 /proc/loadavg)"
renderer=$(figure demo 1 renderer)
demo_viewport=$(figure demo 1 viewport)
baseline_viewport=$(figure baseline 1 viewport)
demo_framebuffer=$(figure demo 1 framebuffer)
baseline_framebuffer=$(figure baseline 1 framebuffer)
echo "renderer: $renderer; viewport demo $demo_viewport, baseline $baseline_viewport"
echo "framebuffer: demo $demo_framebuffer, baseline $baseline_framebuffer"
[[ $demo_framebuffer == "$baseline_framebuffer" && $demo_viewport == "$baseline_viewport" ]] ||
    echo "WARNING: the programs drew into different framebuffers; the comparison is unfair"
echo

# round_line ROUND: fps, first frame (ms) and peak memory (KiB) of baseline and demo, caption.
round_line() {
    local line=$1 key value
    for key in fps first_frame_ms peak_rss_kib; do
        value=$(figure baseline "$1" "$key")
        line+=" $value"
        value=$(figure demo "$1" "$key")
        line+=" $value"
    done
    echo "$line $(cat "$work/demo-$1.caption")"
}

for round in $(seq "$rounds"); do
    round_line "$round"
done > "$work/rounds"

# The start-up limit is the baseline's time plus 20 %, plus the 50 ms pause that every context
# creation makes in the framework.
awk '
function median(values, n,    i, j, swap) {
    for (i = 2; i <= n; i++)
        for (j = i; j > 1 && values[j - 1] > values[j]; j--) {
            swap = values[j]; values[j] = values[j - 1]; values[j - 1] = swap
        }
    return n % 2 ? values[(n + 1) / 2] : (values[n / 2] + values[n / 2 + 1]) / 2
}
function verdict(met) { return met ? "met" : "MISSED" }
BEGIN {
    printf "%-5s  %8s %8s %6s  %9s %9s %10s  %8s %8s %6s  %7s\n", "round", "fps base",
        "fps demo", "ratio", "1st ms b.", "1st ms d.", "demo/limit", "MiB base", "MiB demo",
        "ratio", "caption"
}
{
    n++
    fps[n] = $3 / $2; start[n] = $5 / (1.2 * $4 + 50); memory[n] = $7 / $6
    printf "%-5s  %8.2f %8.2f %6.3f  %9.0f %9.0f %10.3f  %8.1f %8.1f %6.3f  %7s\n", $1, $2, $3,
        fps[n], $4, $5, start[n], $6 / 1024, $7 / 1024, memory[n], $8
}
END {
    f = median(fps, n); s = median(start, n); m = median(memory, n)
    printf "\nmedian ratios over %d rounds:\n", n
    printf "  frame rate, demo / baseline:                  %.3f (target >= 0.97: %s)\n", f, verdict(f >= 0.97)
    printf "  first frame, demo / (1.2 x baseline + 50 ms): %.3f (target <= 1: %s)\n", s, verdict(s <= 1)
    printf "  peak resident memory, demo / baseline:        %.3f (target <= 1.1: %s)\n", m, verdict(m <= 1.1)
}' "$work/rounds"
