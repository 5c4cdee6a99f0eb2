#!/bin/sh
# same-picture.sh END_TO_END_SUITE WINDOWS_LAUNCHER
# The Linux demo (SDL2) and the Windows demo (Win32 under Wine) draw the same first picture, pixel
# for pixel: both on the same Mesa, through the same GL calls. The end-to-end suite's first test
# captures each (VYN_SCREENSHOT_DIR); exit status 0 only when both ran and the captures are equal.
set -u
suite=$1
launcher=$2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir "$folder/linux" "$folder/windows"
first_test='--gtest_filter=LandscapeDemo.OpensA400By300*'

VYN_SCREENSHOT_DIR="$folder/linux" "$suite" "$first_test" || exit 1
VYN_SCREENSHOT_DIR="$folder/windows" VYN_LANDSCAPE_PROGRAM="$launcher" \
    VYN_LANDSCAPE_CLOSE_ALLOWANCE_MS=2500 "$suite" "$first_test" || exit 1
if ! cmp "$folder/linux/landscape.ppm" "$folder/windows/landscape.ppm"; then
    echo "the Windows demo's first picture differs from the Linux demo's" >&2
    exit 1
fi
echo "same picture: $(wc -c < "$folder/linux/landscape.ppm") bytes"
