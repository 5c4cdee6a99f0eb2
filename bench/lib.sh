# What the bench scripts share: how they fail, how they read their options, and the X server they
# run under. Source it first:  source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
#
# It sets `root` (the repository) and `build` (the build folder the script defaults to, which it
# may change before parse_options). Bash only.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$root/build
script_arguments=()

# Prints "<script>: message" on standard error and ends the script with status 1.
die() {
    echo "$(basename "$0" .sh): $*" >&2
    exit 1
}

# parse_options OPTION=VARIABLE... -- ARGUMENTS...
# Stores the value of each "--OPTION VALUE" among the arguments into VARIABLE; an unknown option
# or a missing value ends the script. A folder given with --build must exist and becomes absolute.
parse_options() {
    local -A variable_of=()
    while [[ $1 != -- ]]; do
        variable_of[${1%%=*}]=${1#*=}
        shift
    done
    shift
    script_arguments=("$@")
    local known
    known=$(printf -- '--%s\n' "${!variable_of[@]}" | sort | paste -s -d ' ')
    while [[ $# -gt 0 ]]; do
        local name=${1#--}
        [[ $1 == --* && -n ${variable_of[$name]:-} ]] ||
            die "unknown option $1 (options: $known)"
        [[ $# -ge 2 ]] || die "missing value after $1"
        printf -v "${variable_of[$name]}" '%s' "$2"
        [[ $name != build ]] || build=$(cd "$2" 2> /dev/null && pwd) || die "no folder $2"
        shift 2
    done
}

# require_count OPTION VALUE [LEAST]: VALUE must be a whole number of at least LEAST (default 1).
require_count() {
    [[ $2 =~ ^[1-9][0-9]*$ ]] || die "--$1 needs a positive whole number, not $2"
    (( $2 >= ${3:-1} )) || die "--$1 needs at least $3: the first second is the probe's warm-up"
}

# require_built HINT FILE...: each file must exist, or the script ends telling how to build it.
require_built() {
    local hint=$1 file
    shift
    for file in "$@"; do
        [[ -e $file ]] || die "$file is missing; build it first: $hint"
    done
}

# require_commands COMMAND...: each command must be on the PATH.
require_commands() {
    local command
    for command in "$@"; do
        command -v "$command" > /dev/null || die "$command is missing: tools/install-deps.sh test"
    done
}

# Runs the script again, with the same arguments, inside an X server of its own, unless it already
# runs in one that this function started.
run_under_xvfb() {
    [[ -z ${VYN_BENCH_UNDER_XVFB:-} ]] || return 0
    command -v xvfb-run > /dev/null || die "xvfb-run is missing (Debian package xvfb)"
    VYN_BENCH_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" \
        "${script_arguments[@]}"
}

# --- Programs measured through the swap probe (bench/swap_probe.cpp) -------------------------
# The comparison scripts run each program in turn from a folder of landscape files, close it as a
# user would and read the probe's report. They call use_probe_build, then start_measuring.

# use_probe_build FILE...: sets `maker` (make-landscape) and `probe` (the probe's library) of the
# build folder and checks that they and the files named are built.
use_probe_build() {
    maker=$build/tools/make-landscape
    probe=$build/bench/libvynswapprobe.so
    require_built "make bench" "$maker" "$probe" "$@"
}

# Makes the scratch folder `work`, which goes when the script ends, with any program still
# running.
start_measuring() {
    work=$(mktemp -d)
    running=
    trap '[[ -z $running ]] || kill -KILL "$running" 2> /dev/null; rm -rf "$work"' EXIT
}

# make_landscape FOLDER [QUADS_PER_SIDE]: the demo's three files, written by make-landscape.
make_landscape() {
    "$maker" "$@" > "$work/make-landscape.log" 2>&1 ||
        die "make-landscape failed: $(tail -n 1 "$work/make-landscape.log")"
}

# The demo's caption, "vynSingleWindow [N FPS]": the frames it counted in the last second; "-"
# for a program without it.
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

# run_probed RUN FOLDER SECONDS COMMAND...: runs the command (which may start with `env NAME=value`)
# from FOLDER for SECONDS under the probe; leaves the report in $work/RUN.report and the count the
# caption showed in its last second in $work/RUN.caption.
run_probed() {
    local run=$1 folder=$2 seconds=$3
    shift 3
    local report=$work/$run.report log=$work/$run.log
    (
        cd "$folder"
        VYN_PROBE_REPORT=$report VYN_PROBE_LAUNCH=$EPOCHREALTIME LD_PRELOAD=$probe exec "$@"
    ) > "$log" 2>&1 &
    local pid=$!
    running=$pid
    sleep "$seconds"
    kill -0 "$pid" 2> /dev/null || { close_program "$run" "$pid" "$log"; die "$run ended early"; }
    caption_fps > "$work/$run.caption"
    close_program "$run" "$pid" "$log"
    running=
    [[ -s $report ]] || die "$run left no probe report; is $probe loadable?"
}

# figure RUN KEY: one value of a run's report; fails when the run did not produce it.
figure() {
    local value
    value=$(awk -v key="$2" '$1 == key { $1 = ""; sub(/^ /, ""); print; exit }' \
        "$work/$1.report")
    [[ -n $value ]] || die "$1 reported no $2: it presented too few frames"
    echo "$value"
}

# rotated ROUND NAME...: the names in the order of that round, rotated by one each round so that
# no program always runs first or on a cache warmed by the same neighbour.
rotated() {
    local round=$1
    shift
    local names=("$@") count=$# i
    for ((i = 0; i < count; i++)); do
        echo "${names[(i + round - 1) % count]}"
    done
}

# An awk function for the scripts' summaries: median(values, n) of values[1..n], which it sorts.
awk_median='
function median(values, n,    i, j, swap) {
    for (i = 2; i <= n; i++)
        for (j = i; j > 1 && values[j - 1] > values[j]; j--) {
            swap = values[j]; values[j] = values[j - 1]; values[j - 1] = swap
        }
    return n % 2 ? values[(n + 1) / 2] : (values[n / 2] + values[n / 2 + 1]) / 2
}'

# Awk functions for the scripts' verdicts (with awk_median): summary(label, values, target, met)
# prints the median of values[1..n], the target and whether it is met, and the lowest and highest
# round; the labels are padded to the variable labelWidth, which the script sets.
awk_summary='
function verdict(met) { return met ? "met" : "MISSED" }
function summary(label, values, target, met,    low, high, i) {
    low = high = values[1]
    for (i = 2; i <= n; i++) {
        low = values[i] < low ? values[i] : low; high = values[i] > high ? values[i] : high
    }
    printf "  %-" labelWidth "s %.3f (target %s: %s; rounds %.3f to %.3f)\n", label ":",
        median(values, n), target, verdict(met), low, high
}'

# Prints the load on the machine, to judge the figures by.
print_load() {
    echo "load average $1: $(cut -d' ' -f1-3 /proc/loadavg)"
}
