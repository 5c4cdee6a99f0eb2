#!/usr/bin/env bash
# Builds tests/package/consumer the two ways another project takes the framework, in WORK:
#   run-consumer.sh install BUILD WORK        installs BUILD into WORK/prefix; finds the package
#                                             there, and builds once more through pkg-config
#   run-consumer.sh subdirectory SOURCE WORK  adds the source tree SOURCE as a subproject
# Then `run-consumer.sh run WORK` runs what was built (under an X server: the caller's). Each step
# exits non-zero, with the tool's output, when it fails.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mode=$1

configure_and_build() {
    local work=$1
    shift
    cmake -S "$here/consumer" -B "$work/build" -DCMAKE_CXX_COMPILER="${CXX:-c++}" "$@"
    cmake --build "$work/build" -j "$(nproc)"
}

case $mode in
    install)
        build=$2 work=$3
        rm -rf "$work" && mkdir -p "$work"
        cmake --install "$build" --prefix "$work/prefix"
        configure_and_build "$work" -DCMAKE_PREFIX_PATH="$work/prefix"
        export PKG_CONFIG_PATH=$work/prefix/lib/pkgconfig
        # shellcheck disable=SC2046 # the flags are words
        "${CXX:-c++}" -std=c++20 "$here/consumer/main.cpp" -o "$work/build/consumer-pkg-config" \
            $(pkg-config --cflags --libs vyn)
        ;;
    subdirectory)
        source=$2 work=$3
        rm -rf "$work" && mkdir -p "$work"
        configure_and_build "$work" -DVYN_SOURCE="$source"
        # As a subproject it builds the libraries only: no demo, no data, no examples, no tests.
        for extra in app/landscape tools/make-landscape app/pv.cppa2 examples tests; do
            if [[ -e $work/build/vyn/$extra ]]; then
                echo "the subproject built $extra" >&2
                exit 1
            fi
        done
        ;;
    run)
        work=$2
        for program in "$work"/build/consumer "$work"/build/consumer-pkg-config; do
            [[ -e $program ]] || continue
            "$program"
        done
        ;;
    *)
        echo "usage: $0 install BUILD WORK | subdirectory SOURCE WORK | run WORK" >&2
        exit 2
        ;;
esac
