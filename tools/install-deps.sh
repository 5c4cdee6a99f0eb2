#!/usr/bin/env bash
# Installs the Debian packages a goal needs, and only those that are missing.
#   tools/install-deps.sh run    what building and running the demo needs
#   tools/install-deps.sh test   what building and running every test needs
#   tools/install-deps.sh windows   and what the Windows build and its tests under Wine need
#   tools/install-deps.sh bench  what testing needs, and the scaling benchmark's chart (gnuplot)
#                                and profiler (perf)
#   tools/install-deps.sh web    what the browser build (make web) needs
set -euo pipefail

# xfonts-base: SDL's X11 message box draws its text with the core X fonts.
run_packages=(g++ make cmake pkg-config libsdl2-dev libgl1-mesa-dri libgl1-mesa-dev
              libglu1-mesa-dev xfonts-base)
# emscripten builds the browser build offline, system libraries included; node runs its
# optimiser. The web suite drives Debian's chromium with chromedriver from python3-selenium.
web_packages=("${run_packages[@]}" emscripten nodejs)
# tesseract-ocr: the text example's end-to-end suite reads its pangram back from the window.
test_packages=("${web_packages[@]}" libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
               xdotool x11-utils libx11-dev imagemagick clang libclang-rt-14-dev valgrind
               libstb-dev doxygen weston chromium chromium-driver python3-selenium
               tesseract-ocr tesseract-ocr-eng)
# mingw-w64 with POSIX threads (std::thread), GoogleTest's sources to cross-build, 64-bit Wine,
# and evilwm, the small window manager under which the Windows demo's focus is checked.
windows_packages=("${test_packages[@]}" g++-mingw-w64-x86-64-posix googletest wine64 evilwm)
bench_packages=("${test_packages[@]}" gnuplot-nox linux-perf)

case "${1:-test}" in
    run) wanted=("${run_packages[@]}") ;;
    test) wanted=("${test_packages[@]}") ;;
    windows) wanted=("${windows_packages[@]}") ;;
    bench) wanted=("${bench_packages[@]}") ;;
    web) wanted=("${web_packages[@]}") ;;
    *) echo "usage: $0 run|test|windows|bench|web" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
if [[ ${#missing[@]} -eq 0 ]]; then
    echo "All ${#wanted[@]} Debian packages that '${1:-test}' needs are installed."
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
