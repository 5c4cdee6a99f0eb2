#!/usr/bin/env bash
# Checks that includes run one way only between the framework's layers (docs/architecture.md):
#   core, system       include nothing of the framework but their own folder
#   platform           core, system
#   gl                 core, system, platform
#   input, render, resources   core, system, platform, gl (not each other)
#   window             all of the above
#   testing            anything in the framework
#   app, examples      anything but testing
# A folder's subfolders belong to its layer (platform/sdl is platform). The framework's headers
# name each other by paths relative to themselves ("../gl/vynGL.h"), so that their installed
# copies find each other under <vyn/...> alone; sources may name them from the repository's root.
# Prints each include that breaks a rule; exit status 1 when there is one.
#
#   check-layers.sh [REPOSITORY]
set -euo pipefail
cd "${1:-$(dirname "${BASH_SOURCE[0]}")/../..}"

declare -A allowed=(
    [core]="core" [system]="system"
    [platform]="core system platform"
    [gl]="core system platform gl"
    [input]="core system platform gl input"
    [render]="core system platform gl render"
    [resources]="core system platform gl resources"
    [window]="core system platform gl input render resources window"
    [testing]="core system platform gl input render resources window testing"
    [app]="core system platform gl input render resources window"
)

# The layer of a path into `layer`: framework/<layer>/..., app for the applications, else empty.
# Builtins only, as everything in the loop below: a process per include took a minute on a
# loaded machine.
layer_of() {
    case $1 in
        framework/*) layer=${1#framework/}; layer=${layer%%/*} ;;
        app/* | examples/*) layer=app ;;
        *) layer= ;;
    esac
}

# `folder/name` with its "." and ".." steps taken, into `normal`.
normalise() {
    local -a parts=() kept=()
    local part
    IFS=/ read -ra parts <<<"$1"
    for part in "${parts[@]}"; do
        case $part in
            . | '') ;;
            ..) ((${#kept[@]} > 0)) && unset 'kept[-1]' ;;
            *) kept+=("$part") ;;
        esac
    done
    local IFS=/
    normal="${kept[*]}"
}

faults=0
files=()
while IFS= read -r file; do
    files+=("$file")
done < <(git ls-files -co --exclude-standard -- framework app examples | grep -E '\.(h|cpp)$')

# One grep for every include of every file: "file:included" lines.
while IFS= read -r line; do
    file=${line%%:*}
    included=${line#*:#include \"}
    included=${included%%\"*}
    layer_of "$file"
    from=$layer
    [[ -n $from ]] || continue
    if [[ $file == framework/*.h && $included == framework/* ]]; then
        echo "$file: includes $included from the root (a header names headers relatively)"
        faults=$((faults + 1))
        continue
    fi
    # A relative name is resolved from the including file's folder.
    if [[ $included != framework/* && -e ${file%/*}/$included ]]; then
        normalise "${file%/*}/$included"
        included=$normal
    fi
    # A bare name is a header of the same folder.
    [[ $included == */* ]] || continue
    layer_of "$included"
    to=$layer
    if [[ -z $to && ( $included == tests/* || $included == bench/* || $included == tools/* ) ]]; then
        to=$included
    fi
    [[ -n $to ]] || continue
    [[ $to == app && $from == app ]] && continue
    if [[ " ${allowed[$from]} " != *" $to "* ]]; then
        echo "$file: includes $included (layer $from may not include $to)"
        faults=$((faults + 1))
    fi
done < <(grep -H '^#include "' "${files[@]}")

if ((faults > 0)); then
    echo "$faults include(s) against the layer order"
    exit 1
fi
echo "includes follow the layer order"
