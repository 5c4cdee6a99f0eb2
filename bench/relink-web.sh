#!/usr/bin/env bash
# The edit-build-look loop: how long relinking one program takes for the page, in a Debug build
# (linked at -O0) and in a Release build (-O2), against relinking the same program natively.
#
#   bench/relink-web.sh [--rounds N] [--program NAME] [--native DIR] [--release DIR] [--debug DIR]
#     --rounds N      rounds, each relinking the program once in each build, in turns (default 3)
#     --program NAME  the example relinked (default minimal)
#     --native DIR    the host build (default build, which `make web` makes)
#     --release DIR   the browser build (default build-web, `make web`); "none" leaves it out
#     --debug DIR     the browser build of type Debug (default build-web-debug); configured and
#                     built on the first run, which takes long (gl4es), only relinked afterwards
#
# Each relink removes the linked program and builds it again, so that the link alone runs, as
# after an edit of a one-file program whose object is quickly compiled.
set -euo pipefail
export LC_ALL=C

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
rounds=3
program=minimal
native=$root/build
web_release=$root/build-web
web_debug=$root/build-web-debug
parse_options rounds=rounds program=program native=native release=web_release \
    debug=web_debug -- "$@"
require_count rounds "$rounds"
require_commands emcmake cmake
require_built "make web" "$native/CMakeCache.txt"
kinds=(native debug release)
if [[ $web_release == none ]]; then
    kinds=(native debug)
else
    require_built "make web" "$web_release/CMakeCache.txt"
fi
export NODE_PATH=/usr/share/nodejs

if [[ ! -e $web_debug/site/$program.js ]]; then
    echo "Building $program for the page in Debug in $web_debug (once; it takes long)..."
    emcmake cmake -S "$root" -B "$web_debug" -DCMAKE_BUILD_TYPE=Debug \
        -DVYN_HOST_BUILD_DIR="$native" > /dev/null
    cmake --build "$web_debug" -j "$(nproc)" --target "$program" > /dev/null
fi
cmake --build "$native" -j "$(nproc)" --target "$program" > /dev/null

# relink BUILD OUTPUT: seconds to link the program again in BUILD, whose link writes OUTPUT.
relink() {
    rm -f "$2"
    local start end
    start=$(date +%s.%N)
    cmake --build "$1" --target "$program" > /dev/null
    end=$(date +%s.%N)
    [[ -e $2 ]] || die "$1 did not link $2"
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }'
}

echo "Relinking $program: $rounds rounds"
echo "machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
print_load "at start"
results=$(mktemp)
trap 'rm -f "$results"' EXIT
: > "$results"
declare -A outputs=([native]=$native/examples/$program [debug]=$web_debug/site/$program.js
                    [release]=$web_release/site/$program.js)
declare -A builds=([native]=$native [debug]=$web_debug [release]=$web_release)
for ((round = 1; round <= rounds; round++)); do
    for name in $(rotated "$round" "${kinds[@]}"); do
        seconds=$(relink "${builds[$name]}" "${outputs[$name]}")
        echo "  round $round: $name $seconds s"
        echo "$round $name $seconds" >> "$results"
    done
done
print_load "at end"

# Per round, each page's relink over the native one of the same round; medians, lowest, highest.
awk "$awk_median"'
function report(label, values,    low, high, r) {
    low = high = values[1]
    for (r = 2; r <= rounds; r++) {
        low = values[r] < low ? values[r] : low; high = values[r] > high ? values[r] : high
    }
    printf "  %-24s %.2f (rounds %.2f to %.2f)\n", label ":", median(values, rounds), low, high
}
{ time[$2, $1] = $3; rounds = $1 > rounds ? $1 : rounds }
END {
    for (r = 1; r <= rounds; r++) {
        native[r] = time["native", r]
        debug[r] = time["debug", r] / time["native", r]
        release[r] = time["release", r] / time["native", r]
    }
    report("native relink, s", native)
    report("page Debug / native", debug)
    if (time["release", 1] != "")
        report("page Release / native", release)
    print "  (target: a Debug page relinks in at most 4 times the native relink)"
}' "$results"
