#!/usr/bin/env bash
# Feeds the landscape demo damaged data files under Xvfb: first the end-to-end damages (each file
# missing, empty, cut in half, or with its size field one too large), then N randomly damaged
# copies of each file, seeds 1 to N, each the same on every machine (tests/tools/vyn-spoil). One
# file is damaged per run; the other two are good.
#
#   bench/bad-files-landscape.sh [--build DIR] [--runs N]
#     --build DIR   a build holding app/landscape, tools/make-landscape, tests/vyn-xclose and
#                   tests/vyn-spoil (default: build beside this folder, as `make test` makes it)
#     --runs N      random damages per file (default 200)
#
# Every run must end in one of two ways: the demo refuses the file, with exit status 1 and one
# line on standard error that names it; or the damage left a file the demo can use, and it draws
# (its caption counts frames) and exits with status 0 when asked to close. A signal, any other
# status, a refusal that does not say which file, or a run that neither ends nor draws within
# 60 s fails. One line per run says what was done and how it ended; the last line counts them.
# Exit status 0 when every run passed, 1 otherwise.
set -euo pipefail
export LC_ALL=C

source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
runs=200
parse_options build=build runs=runs -- "$@"
[[ $runs =~ ^[0-9]+$ ]] || die "--runs needs a whole number, not $runs"

demo=$build/app/landscape
maker=$build/tools/make-landscape
closer=$build/tests/vyn-xclose
spoil=$build/tests/vyn-spoil
require_built "make test (or cmake --build $build)" "$demo" "$maker" "$closer" "$spoil"
require_commands xdotool
run_under_xvfb

readonly FILES=(pv.cppa2 pt.cppa2 Ground.bmp) RUN_LIMIT=60 CLOSE_LIMIT=10
work=$(mktemp -d)
demo_pid=
trap '[[ -z $demo_pid ]] || kill -KILL "$demo_pid" 2> /dev/null || true; rm -rf "$work"' EXIT

"$maker" "$work/good" > "$work/make-landscape.log" 2>&1 ||
    die "make-landscape failed: $(tail -n 1 "$work/make-landscape.log")"

# Whether the demo's window shows a caption that counts frames.
drawing() {
    local caption
    caption=$(xdotool search --onlyvisible --pid "$demo_pid" --name '^vynSingleWindow' \
        getwindowname %@ 2> /dev/null | head -n 1 || true)
    [[ $caption =~ \[[1-9][0-9]*\ FPS\]$ ]]
}

# Asks the drawing demo to close; true once it has ended, within CLOSE_LIMIT s.
close_demo() {
    local window
    window=$(xdotool search --onlyvisible --pid "$demo_pid" --name '^vynSingleWindow' | head -n 1)
    "$closer" "$window" > /dev/null || return 1
    for _ in $(seq $(( CLOSE_LIMIT * 10 ))); do
        kill -0 "$demo_pid" 2> /dev/null || return 0
        sleep 0.1
    done
    return 1
}

# How the demo's run ended, for its exit status and what it said: "refused: LINE" or "drew".
# A failure is said as "FAILED: ...".
verdict() {
    local file=$1 status=$2 closed=$3 errors=$4 lines
    lines=$(wc -l < "$errors")
    if (( status > 128 )); then
        echo "FAILED: killed by signal $(( status - 128 ))"
    elif [[ $status -eq 1 && $closed == no && $lines -eq 1 ]] && grep -qF "$file" "$errors"; then
        echo "refused: $(cat "$errors")"
    elif [[ $status -eq 1 ]]; then
        echo "FAILED: status 1 without one line naming $file: $(head -c 300 "$errors")"
    elif [[ $status -eq 0 && $closed == yes ]]; then
        echo "drew"
    else
        echo "FAILED: status $status (closed by us: $closed): $(head -c 300 "$errors")"
    fi
}

# run_case FILE HOW: damages FILE by HOW (a seed or a named damage) in a fresh folder beside the
# two good files, runs the demo there and prints the run's line.
run_case() {
    local file=$1 how=$2 folder=$work/run damage status=0 closed=no
    rm -rf "$folder"
    mkdir "$folder"
    for good in "${FILES[@]}"; do
        ln "$work/good/$good" "$folder/$good"
    done
    rm "$folder/$file"
    cp "$work/good/$file" "$folder/$file"
    damage=$("$spoil" "$folder/$file" "$how") || die "vyn-spoil failed on $file $how"
    (cd "$folder" && exec "$demo") > "$work/stdout" 2> "$work/stderr" &
    demo_pid=$!
    for _ in $(seq $(( RUN_LIMIT * 10 ))); do
        kill -0 "$demo_pid" 2> /dev/null || break
        if drawing; then
            close_demo && closed=yes
            break
        fi
        sleep 0.1
    done
    if kill -0 "$demo_pid" 2> /dev/null; then
        kill -KILL "$demo_pid"
        wait "$demo_pid" 2> /dev/null || true
        demo_pid=
        echo "$file $how ($damage): FAILED: neither ended nor drew within $RUN_LIMIT s"
        return
    fi
    wait "$demo_pid" || status=$?
    demo_pid=
    echo "$file $how ($damage): $(verdict "$file" "$status" "$closed" "$work/stderr")"
}

echo "Damaged data files for the landscape demo: the end-to-end damages and $runs random" \
     "damages of each file, under Xvfb"
for file in "${FILES[@]}"; do
    for how in Missing Empty Truncated SizeOverrunsPayload $(seq "$runs"); do
        run_case "$file" "$how"
    done
done | tee "$work/runs"

total=$(wc -l < "$work/runs")
refused=$(grep -c ': refused: ' "$work/runs" || true)
drew=$(grep -c ': drew$' "$work/runs" || true)
failed=$(grep -c ': FAILED: ' "$work/runs" || true)
echo "runs: $total; refused with status 1: $refused; drew and closed with status 0: $drew;" \
     "failed: $failed"
[[ $failed -eq 0 && $total -eq $(( ${#FILES[@]} * (runs + 4) )) ]]
