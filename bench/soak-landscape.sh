#!/usr/bin/env bash
# Soaks the landscape demo: it runs under Xvfb while random user input reaches it: keys (arrows
# among others, tapped, repeated and held), pointer moves and clicks of both buttons, the focus
# taken away by another window and given back, resizes, and the window hidden and shown again.
# Then it is closed as a window manager closes it.
#
#   bench/soak-landscape.sh [--build DIR] [--seconds S] [--baseline S] [--limit KIB] [--seed N]
#     --build DIR     a build holding app/landscape, tools/make-landscape and tests/vyn-xclose
#                     (default: build beside this folder, as `make test` makes it)
#     --seconds S     how long the input goes on (default 300; at least 20)
#     --baseline S    when memory is first read, in seconds from the start (default 10; at least
#                     10 and at least 10 before the end)
#     --limit KIB     how much resident memory may grow from that reading to the end (default 1024)
#     --seed N        seeds the input, so that a run can be repeated step by step (default 1)
#
# It passes (exit status 0) when the demo never ends before the close, exits with status 0 after
# it, and its resident memory (VmRSS) at the end is less than the limit above what it was at the
# baseline. Both readings are taken with the window focused at its first size, after the demo has
# drawn for a while, so that the two compare the same drawing; a line each minute shows memory as
# the input leaves it. Whether memory settles over a long run:
#   bench/soak-landscape.sh --seconds 1800 --baseline 600 --limit 256
# Any other outcome exits 1 with a line saying what happened.
set -euo pipefail
export LC_ALL=C

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
seconds=300
baseline=10
limit_kib=1024
seed=1
parse_options build=build seconds=seconds baseline=baseline limit=limit_kib seed=seed -- "$@"
for option in seconds baseline limit_kib; do
    [[ ${!option} =~ ^[1-9][0-9]*$ ]] ||
        die "--${option%_kib} needs a positive whole number, not ${!option}"
done
[[ $seed =~ ^[0-9]+$ ]] || die "--seed needs a whole number, not $seed"
(( baseline >= 10 )) || die "--baseline needs at least 10: the window first visits its largest size"
(( seconds >= baseline + 10 )) || die "--seconds needs at least 10 more than --baseline ($baseline)"

demo=$build/app/landscape
maker=$build/tools/make-landscape
closer=$build/tests/vyn-xclose
require_built "make test (or cmake --build $build)" "$demo" "$maker" "$closer"
require_commands xdotool xmessage
run_under_xvfb

readonly WIDTH=400 HEIGHT=300 MAX_WIDTH=800 MAX_HEIGHT=600 SETTLE=3
work=$(mktemp -d)
demo_pid=
thief_pid=
held=
# A failing step says which it was (an X tool's error alone does not); an error or an interruption
# leaves no program behind and no key held down.
set -E
trap 'die "line $LINENO failed: $BASH_COMMAND"' ERR
trap '[[ -z $held ]] || xdotool keyup "$held" 2> /dev/null || true
      for pid in $demo_pid $thief_pid; do kill -KILL "$pid" 2> /dev/null || true; done
      rm -rf "$work"' EXIT

"$maker" "$work/data" > "$work/make-landscape.log" 2>&1 ||
    die "make-landscape failed: $(tail -n 1 "$work/make-landscape.log")"

# await_window ARGS...: the first visible window that `xdotool search ARGS` finds within 60 s.
await_window() {
    local id
    for _ in $(seq 600); do
        id=$(xdotool search --onlyvisible "$@" 2> /dev/null | head -n 1 || true)
        [[ -n $id ]] && { echo "$id"; return; }
        sleep 0.1
    done
    die "no window for: $*"
}

alive() {
    kill -0 "$demo_pid" 2> /dev/null
}

resident_kib() {
    awk '$1 == "VmRSS:" { print $2 }' "/proc/$demo_pid/status"
}

# Before the first reading the window visits the largest size the input gives it: the heap keeps
# the GL driver's per-frame scratch (vynHeapPolicy.h), and the largest frame's is kept from then
# on, which the first reading must already hold to tell growth from that.
visit_largest_size() {
    xdotool windowsize "$window" "$MAX_WIDTH" "$MAX_HEIGHT"
    sleep "$SETTLE"
}

# The window at its first size with the focus, drawing for a few seconds: the state in which
# memory is read.
steady() {
    xdotool windowmap --sync "$window" windowsize "$window" "$WIDTH" "$HEIGHT" \
        windowfocus --sync "$window"
    sleep "$SETTLE"
}

random_below() {
    echo $(( RANDOM % $1 ))
}

keys=(Left Right Left Right Up Down space a Return Escape F1 Page_Down shift+Left ctrl+Right)

# One random input; most of them go to whichever window has the focus, as a user's would.
random_input() {
    local x y
    case $(random_below 10) in
        0|1) xdotool key "${keys[$(random_below ${#keys[@]})]}" ;;
        2) xdotool key --delay "$(random_below 30)" --repeat "$(( 2 + $(random_below 30) ))" \
               "${keys[$(random_below 2)]}" ;;
        3) held=${keys[$(random_below 2)]}
           xdotool keydown "$held"
           sleep "0.$(random_below 8)"
           xdotool keyup "$held"
           held= ;;
        4|5) x=$(random_below 500); y=$(random_below 400)
             xdotool mousemove --window "$window" "$x" "$y" ;;
        6) xdotool click "$(( 1 + 2 * $(random_below 2) ))" ;;
        7) if (( $(random_below 2) )); then xdotool windowfocus "$thief"
           else xdotool windowfocus "$window"; fi ;;
        8) xdotool windowsize "$window" "$(( 1 + $(random_below MAX_WIDTH) ))" \
               "$(( 1 + $(random_below MAX_HEIGHT) ))" ;;
        9) xdotool windowunmap --sync "$window"
           sleep "0.$(random_below 3)"
           xdotool windowmap --sync "$window" ;;
    esac
}

echo "Soaking the landscape demo: $seconds s of random input (seed $seed) under Xvfb"
(cd "$work/data" && exec "$demo") > "$work/demo.log" 2>&1 &
demo_pid=$!
window=$(await_window --pid "$demo_pid" --name '^vynSingleWindow')
# No buttons: the random keys and clicks reach it too, and must not close it.
xmessage -buttons "" -title vynSoakFocus "another window" > /dev/null 2>&1 &
thief_pid=$!
thief=$(await_window --name '^vynSoakFocus')

inputs=0
minute=0
# random_inputs_until S: random input until S seconds from the start, memory shown each minute.
random_inputs_until() {
    while (( SECONDS - start < $1 )); do
        random_input
        inputs=$(( inputs + 1 ))
        alive || die "the demo ended after $inputs inputs: $(tail -n 3 "$work/demo.log")"
        if (( (SECONDS - start) / 60 > minute )); then
            minute=$(( (SECONDS - start) / 60 ))
            echo "minute $minute: $(resident_kib) KiB resident after $inputs inputs"
        fi
    done
}

# read_steady VARIABLE: the resident memory in the steady state into VARIABLE.
read_steady() {
    steady
    alive || die "the demo ended after $inputs inputs: $(tail -n 3 "$work/demo.log")"
    printf -v "$1" '%s' "$(resident_kib)"
}

RANDOM=$seed
start=$SECONDS
visit_largest_size
steady
# The steady state before a reading takes SETTLE seconds of the time before it.
random_inputs_until $(( baseline - SETTLE ))
read_steady first_kib
first_second=$(( SECONDS - start ))
random_inputs_until "$seconds"
read_steady last_kib
"$closer" "$window" || die "vyn-xclose could not ask the window to close"
for _ in $(seq 100); do
    alive || break
    sleep 0.1
done
alive && die "the demo did not close within 10 s of the close request"
status=0
wait "$demo_pid" || status=$?
demo_pid=
[[ $status -eq 0 ]] || die "the demo exited with status $status: $(tail -n 3 "$work/demo.log")"

kill -TERM "$thief_pid" 2> /dev/null || true
wait "$thief_pid" 2> /dev/null || true
thief_pid=

growth=$(( last_kib - first_kib ))
echo "inputs: $inputs in $(( SECONDS - start )) s; exit status 0 after the close"
echo "resident memory: $first_kib KiB after $first_second s, $last_kib KiB at the end" \
     "(growth $growth KiB, limit under $limit_kib KiB)"
(( growth < limit_kib )) || die "resident memory grew by $growth KiB"
echo "passed"
