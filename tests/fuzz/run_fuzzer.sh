#!/usr/bin/env bash
# Builds one libFuzzer target with clang++ (fuzzer, address and undefined sanitizers) from the
# framework sources it needs, then fuzzes it for a bounded time from its seed corpus.
#
#   run_fuzzer.sh <ReadBMP|ReadImage|ArrayFile|WindowMessages> <work folder> <seconds>
#                 [libFuzzer options...]
#
# The work folder (inside the build folder) keeps the binary, the seeds, the growing corpus and
# any crashing input under artifacts/. Exits non-zero when the fuzzer finds a fault.
set -euo pipefail

target=$1
work=$2
seconds=$3
shift 3
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

libraries=()
case "$target" in
    ReadBMP) sources=(framework/resources/vynBitmapU.cpp framework/system/posix/vynMappedFile.cpp
                      framework/core/vynFailure.cpp) ;;
    # stb_image's implementation comes with vynStbImage.cpp.
    ReadImage)
        sources=(framework/resources/vynImageFile.cpp framework/resources/vynStbImage.cpp
                 framework/resources/vynBitmapU.cpp framework/system/posix/vynMappedFile.cpp
                 framework/core/vynFailure.cpp)
        libraries=(-isystem "$repo/third_party/stb") ;;
    ArrayFile) sources=(framework/resources/OpenGLBufferArrays.cpp
                        framework/system/posix/vynMappedFile.cpp framework/core/vynAllocation.cpp) ;;
    # The whole framework as Linux builds it (the SDL backend is its native one) and the doubles.
    WindowMessages)
        sources=()
        for layer in core system system/posix platform platform/emulation platform/sdl gl input \
                     render resources window testing; do
            sources+=("$repo/framework/$layer"/*.cpp)
        done
        read -r -a libraries <<< "-isystem $repo/third_party/stb $(pkg-config --cflags --libs sdl2) -ldl -pthread" ;;
    *) echo "unknown fuzz target: $target" >&2; exit 2 ;;
esac

mkdir -p "$work"
binary=$work/fuzz_$target
if [[ ! -x $binary ]] || [[ -n $(find "$repo/framework" "$repo/third_party" "$repo/tests/fuzz" -newer "$binary" -print -quit) ]]; then
    (cd "$repo" && clang++ -std=c++20 -g -O1 -fno-omit-frame-pointer \
        -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I"$repo" \
        "tests/fuzz/fuzz_$target.cpp" "${sources[@]}" "${libraries[@]}" -o "$binary")
fi

seeds=$work/seeds_$target
corpus=$work/corpus_$target
mkdir -p "$seeds" "$corpus" "$work/artifacts_$target"
case "$target" in
    ReadBMP)
        cp "$repo"/tests/data/bmpsuite/[gqb]/*.bmp "$seeds"/ ;;
    ReadImage)
        # A few pictures of the corpus in each kind (ImageMagick converts them), and the corpus.
        cp "$repo"/tests/data/bmpsuite/g/*.bmp "$seeds"/
        for picture in pal8 rgb24 rgb32bf pal1; do
            for kind in png jpg gif tga; do
                convert "$repo/tests/data/bmpsuite/g/$picture.bmp" "$seeds/$picture.$kind"
            done
        done
        convert "$repo/tests/data/bmpsuite/g/rgb24.bmp" -colorspace Gray "$seeds/grey.png" ;;
    ArrayFile)
        # Header0, Size, Count (little-endian) and a payload: exact, short, long, empty, negative.
        printf '\x01\0\0\0\x08\0\0\0\x02\0\0\0ABCDEFGH' > "$seeds/exact.cppa2"
        printf '\0\0\0\0\x10\0\0\0\x01\0\0\0ABCD' > "$seeds/short.cppa2"
        printf '\0\0\0\0\x02\0\0\0\x01\0\0\0ABCDEF' > "$seeds/trailing.cppa2"
        printf '\0\0\0\0\0\0\0\0\x05\0\0\0' > "$seeds/empty.cppa2"
        printf '\0\0\0\0\xf0\xff\xff\xff\0\0\0\0xyz' > "$seeds/negative.cppa2"
        printf '\x07\0\0' > "$seeds/header.cppa2" ;;
    WindowMessages)
        # Two short scripts to start from: handlers to arm, then steps.
        printf '\x01\x01\x25\x02\x01\x04\x03\x01\x00\x10\x00\x00\x00\x01\x02\x06' > "$seeds/keys.bin"
        printf '\x00\x00\x01\x06\x00\x00\xff\xff\x00\x00\x02\x0c\x03\x00' > "$seeds/sizes.bin"
        # A key-up whose code is beyond 255 but whose low 32 bits name an armed key.
        printf '\x00\x05\x00\x10\xd4\x00\xd6\x00\xe5\x00\xd6\x80\xa0\xd4\x48\x00\xe5\x00\x24\x2c\x24\xa4\x24\x24\x26\x26\x26\x26\x24\x00\xa0\x00\xd6\x00\xa0\x00\x00\x00\x00\x00\x00\x00\x3b\x24\x24\x24\x0b\x11\x24\x24\x10\x00\x00\x00\x00\x00\x3b\x24\x24\x10\x00\x00\x00\xff\xff' > "$seeds/refused-key.bin" ;;
esac

exec "$binary" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
    -artifact_prefix="$work/artifacts_$target/" "$@" "$corpus" "$seeds"
