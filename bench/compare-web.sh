#!/usr/bin/env bash
# The landscape demo in the browser against the native demo on the same machine, by default and
# retained: frame rate and time to the first frame.
#
#   bench/compare-web.sh [--build DIR] [--site DIR] [--rounds N] [--seconds S]
#     --build DIR   the build made by `make bench` (default: build-bench beside this folder)
#     --site DIR    the site made by `make web` (default: build-web/site)
#     --rounds N    rounds, each running the four programs once, in turns (default 5)
#     --seconds S   how long each program runs (default 10)
#
# The native demo runs under its own Xvfb with the swap probe (bench/swap_probe.cpp), which
# reports its frame rate and the time from launch to its first presented frame; the page runs in
# Debian's headless Chromium (bench/web_frame_rate.py), whose frame rate is the demo's own
# caption and whose first frame is the first draw call, counted from the start of navigation;
# it also reports the processor time of Chromium's GPU process and of the page's renderer.
# Chromium's SwiftShader draws in software as Mesa's llvmpipe does. The page presents at most
# one frame per animation frame (60 a second headless); Xvfb has no such limit.
set -euo pipefail
export LC_ALL=C

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
build=$root/build-bench
site=$root/build-web/site
rounds=5
seconds=10
parse_options build=build site=site rounds=rounds seconds=seconds -- "$@"
require_count rounds "$rounds"
require_count seconds "$seconds" 4

demo=$build/app/landscape
use_probe_build "$demo"
[[ -f $site/landscape.html ]] || die "$site/landscape.html is missing: make web"
run_under_xvfb
start_measuring
make_landscape "$work/data"

echo "The landscape demo in headless Chromium against the native demo: $rounds rounds of" \
    "$seconds s each"
echo "machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
print_load "at start"

declare -A page=([web]="landscape.html" [web-retained]="landscape.html?arg=--retained")
for round in $(seq "$rounds"); do
    for name in $(rotated "$round" native native-retained web web-retained); do
        case $name in
            native) run_probed "$name-$round" "$work/data" "$seconds" "$demo" ;;
            native-retained) run_probed "$name-$round" "$work/data" "$seconds" "$demo" --retained ;;
            *) /usr/bin/python3 "$root/bench/web_frame_rate.py" "$site" "${page[$name]}" \
                   "$seconds" > "$work/$name-$round.report" ||
                   die "$name failed: $(cat "$work/$name-$round.report")" ;;
        esac
    done
done
print_load "at end:  "

# web_figure RUN KEY: a value of a browser run's one-line report.
web_figure() {
    awk -v key="$2" '{ for (i = 1; i < NF; i++) if ($i == key) print $(i + 1) }' "$work/$1.report"
}

printf '%-6s %12s %12s %12s %12s %12s %12s %12s %12s\n' round fps:native web retained \
    web-retained first-ms:native web retained web-retained
for round in $(seq "$rounds"); do
    printf '%-6s %12s %12s %12s %12s %12s %12s %12s %12s\n' "$round" \
        "$(figure "native-$round" fps)" "$(web_figure "web-$round" fps)" \
        "$(figure "native-retained-$round" fps)" "$(web_figure "web-retained-$round" fps)" \
        "$(figure "native-$round" first_frame_ms)" "$(web_figure "web-$round" first_frame_ms)" \
        "$(figure "native-retained-$round" first_frame_ms)" \
        "$(web_figure "web-retained-$round" first_frame_ms)"
done | tee "$work/rounds"

# median_ratio NUMERATOR_COLUMN DENOMINATOR_COLUMN: the median of the rounds' ratios, with the
# lowest and highest.
median_ratio() {
    awk -v a="$1" -v b="$2" '{ print $a / $b }' "$work/rounds" | sort -g |
        awk '{ r[NR] = $1 } END { m = (NR % 2) ? r[(NR + 1) / 2] : (r[NR / 2] + r[NR / 2 + 1]) / 2;
              printf "%.2f [%.2f, %.2f]", m, r[1], r[NR] }'
}
echo
echo "browser / native frame rate, median [lowest, highest]: default $(median_ratio 3 2)," \
    "retained $(median_ratio 5 4)"
echo "browser / native first frame time: default $(median_ratio 7 6), retained $(median_ratio 9 8)"

# web_cores KEY: the median over the rounds of a browser process's processor time per second, for
# the default page and the retained one.
web_cores() {
    local name
    for name in web web-retained; do
        for round in $(seq "$rounds"); do web_figure "$name-$round" "$1"; done |
            awk "$awk_median"' { v[++n] = $1 } END { printf "%.2f", median(v, n) }'
        [[ $name == web-retained ]] || printf ' default, '
    done
    printf ' retained'
}
echo "Chromium's processor time per second, median: GPU process (SwiftShader's drawing)" \
    "$(web_cores gpu_cores); page (program, gl4es, WebGL's JavaScript) $(web_cores page_cores)"
