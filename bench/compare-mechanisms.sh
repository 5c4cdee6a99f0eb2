#!/usr/bin/env bash
# Compares the ways of keeping the landscape's mesh on the driver's side, each drawn by the
# hand-written baseline (bench/baseline_landscape.cpp --draw): client arrays every frame (arrays,
# the yardstick), a display list (list), buffer objects with the same GL_QUADS call (buffers) and
# buffer objects drawn as indexed triangles (indexed) and a display list compiled from those
# indexed triangles (list-indexed). The figures chose the mechanism of the
# framework's retained packs (framework/render/vynRetainedPacks.h).
#
#   bench/compare-mechanisms.sh [--build DIR] [--rounds N] [--seconds S]
#     --build DIR   the build made by `make bench` (default: build-bench beside this folder)
#     --rounds N    rounds, each running every mechanism once, in turns (default 5)
#     --seconds S   how long each run lasts before it is asked to close (default 6)
#
# Prints each round's frame rates and the median ratios to the client arrays, with the lowest and
# highest round, and the peak memory and first frame each mechanism costs.
set -euo pipefail
export LC_ALL=C

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
build=$root/build-bench
rounds=5
seconds=6
parse_options build=build rounds=rounds seconds=seconds -- "$@"
require_count rounds "$rounds"
require_count seconds "$seconds" 2

baseline=$build/bench/baseline-landscape
use_probe_build "$baseline"
mechanisms=(arrays list buffers indexed list-indexed)

run_under_xvfb
start_measuring
make_landscape "$work/data"

echo "Mechanisms of a retained mesh, drawn by the baseline: $rounds rounds of $seconds s each"
print_load "at start"
for round in $(seq "$rounds"); do
    for mechanism in $(rotated "$round" "${mechanisms[@]}"); do
        run_probed "$mechanism-$round" "$work/data" "$seconds" "$baseline" --draw "$mechanism"
    done
done
print_load "at end:  "
echo "renderer: $(figure arrays-1 renderer)"
echo

for round in $(seq "$rounds"); do
    for mechanism in "${mechanisms[@]}"; do
        echo "$round $mechanism $(figure "$mechanism-$round" fps)" \
            "$(figure "$mechanism-$round" first_frame_ms) $(figure "$mechanism-$round" peak_rss_kib)"
    done
done > "$work/rounds"

awk "$awk_median"'
{
    if ($2 == "arrays") { fps = $3; first = $4; memory = $5; rounds++ }
    runs[$2]++; k = runs[$2]
    ratio[$2, k] = $3 / fps; start[$2, k] = $4 - first; cost[$2, k] = ($5 - memory) / 1024
    printf "round %s  %-12s %8.2f fps  %6.3f x arrays  first frame %+7.0f ms  peak %+7.1f MiB\n",
        $1, $2, $3, ratio[$2, k], start[$2, k], cost[$2, k]
}
END {
    printf "\nmedians over %d rounds, against the client arrays of the same round:\n", rounds
    count = split("list buffers indexed list-indexed", names, " ")
    for (m = 1; m <= count; m++) {
        name = names[m]; low = high = ratio[name, 1]
        for (k = 1; k <= rounds; k++) {
            r[k] = ratio[name, k]; s[k] = start[name, k]; c[k] = cost[name, k]
            low = r[k] < low ? r[k] : low; high = r[k] > high ? r[k] : high
        }
        printf "  %-12s frame rate %.3f (rounds %.3f to %.3f), first frame %+.0f ms, peak memory %+.1f MiB\n",
            name, median(r, rounds), low, high, median(s, rounds), median(c, rounds)
    }
}' "$work/rounds"
