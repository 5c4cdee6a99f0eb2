#!/usr/bin/env bash
# Stages a build folder's include/vyn where no symbolic link can be made (the preloaded library
# makes each fail with EPERM), then checks that the copies stand in for the links: none was made,
# and a program with only that folder on its path compiles against both umbrella headers.
#
#   check-staged-headers.sh REPOSITORY NO-SYMLINKS-LIBRARY COMPILER
set -euo pipefail
root=$1 shim=$2 compiler=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

LD_PRELOAD=$shim cmake -DSOURCE_ROOT="$root" -DSTAGED="$work/include" \
    -P "$root/tests/tools/stage-headers.cmake"
if links=$(find "$work/include" -type l) && [[ -n $links ]]; then
    echo "links were made after all: $links"
    exit 1
fi
printf '#include <vyn/vyn.h>\n#include <vyn/testing.h>\nint main() { return vyn::FrameRateLimit(); }\n' |
    "$compiler" -std=c++20 -fsyntax-only -I"$work/include" -x c++ -
echo "the copied headers stand in for the links"
