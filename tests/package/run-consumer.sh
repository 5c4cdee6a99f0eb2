#!/usr/bin/env bash
# Builds tests/package/consumer the two ways another project takes the framework, in WORK:
#   run-consumer.sh install BUILD WORK        installs BUILD into WORK/prefix; finds the package
#                                             there, and builds it again with nothing but the
#                                             flags of the pkg-config file, as installed and as
#                                             written for absolute folders and no dl library
#   run-consumer.sh subdirectory SOURCE WORK  adds the source tree SOURCE as a subproject
# Then `run-consumer.sh run WORK` runs what was built (under an X server: the caller's). Each step
# exits non-zero, with the tool's output, when it fails.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
mode=$1

configure_and_build() {
    local work=$1
    shift
    cmake -S "$here/consumer" -B "$work/build" -DCMAKE_CXX_COMPILER="${CXX:-c++}" \
        -DCMAKE_EXPORT_COMPILE_COMMANDS=ON "$@"
    cmake --build "$work/build" -j "$(nproc)"
}

# PC_DIR OUTPUT: the consumer built with the flags of the vyn.pc in PC_DIR alone.
build_with_pkg_config() {
    # shellcheck disable=SC2046 # the flags are words
    "${CXX:-c++}" "$here/consumer/main.cpp" -o "$2" $(PKG_CONFIG_PATH=$1 pkg-config --cflags --libs vyn)
}

# Headers are reached as <vyn/...> only: no folder on the include path (-I, -isystem) shows the
# framework's own folder names.
expect_no_framework_folder_on_path() {
    local dir
    for dir in $(tr ' ' '\n' <<<"$*" | sed -n 's/^-I//; \|^/|p' | sort -u); do
        if [[ -d $dir/framework ]]; then
            echo "$dir is on the include path and shows framework/ (headers: <vyn/...> only)" >&2
            exit 1
        fi
    done
}

case $mode in
    install)
        build=$2 work=$3
        rm -rf "$work" && mkdir -p "$work"
        cmake --install "$build" --prefix "$work/prefix"
        configure_and_build "$work" -DCMAKE_PREFIX_PATH="$work/prefix"
        expect_no_framework_folder_on_path "$(grep -o '"command": "[^"]*main.cpp[^"]*"' \
            "$work/build/compile_commands.json")"
        build_with_pkg_config "$work/prefix/lib/pkgconfig" "$work/build/consumer-pkg-config"
        expect_no_framework_folder_on_path \
            "$(PKG_CONFIG_PATH=$work/prefix/lib/pkgconfig pkg-config --cflags vyn)"
        # The file a build configured with absolute folders writes, on a platform whose dl
        # functions are in the C library; its prefix is a place that holds nothing.
        cmake -DVYN_PC_TEMPLATE="$here/../../cmake/vyn.pc.in" -DVYN_PC_OUTPUT="$work/absolute/vyn.pc" \
            -DVYN_PC_LIBDIR="$work/prefix/lib" -DVYN_PC_INCLUDEDIR="$work/prefix/include" \
            -DVYN_PC_VERSION=0 -DVYN_PC_DL_LIBS= -DCMAKE_INSTALL_PREFIX=/nonexistent \
            -P "$here/../../cmake/vynPkgConfig.cmake"
        build_with_pkg_config "$work/absolute" "$work/build/consumer-pkg-config-absolute"
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
        for program in "$work"/build/consumer "$work"/build/consumer-pkg-config*; do
            [[ -e $program ]] || continue
            "$program"
        done
        ;;
    *)
        echo "usage: $0 install BUILD WORK | subdirectory SOURCE WORK | run WORK" >&2
        exit 2
        ;;
esac
