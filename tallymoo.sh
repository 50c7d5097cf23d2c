#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up a Debian 12 machine for tallymoo, builds it, then starts the program
# (no argument) or runs every test (argument "test").
#   ./tallymoo.sh          set up, build, start the program
#   ./tallymoo.sh test     set up, build, run all tests
#   ./tallymoo.sh bench    set up, build, run the benchmarks
#   ./tallymoo.sh package  set up, build, write build/tallymoo_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")"
here=$(pwd)
build="${TALLYMOO_BUILD:-$here/build}"
mode="${1:-run}"

install_packages() {
    local wanted missing=()
    wanted=$(grep -v '^#' tools/debian-packages.txt | grep -v '^$')
    for package in $wanted; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_all() {
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j"$(nproc)"
}

# WebEngine refuses its sandbox as root; offscreen when there is no display.
web_environment() {
    [ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
    export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}"
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
    fi
}

install_packages
build_all
web_environment
case "$mode" in
    test)
        export QT_QPA_PLATFORM=offscreen
        ctest --test-dir "$build" --output-on-failure -j2
        ;;
    bench)
        for bench in "$build"/bench/*_bench; do "$bench"; done
        ;;
    package)
        cpack -G DEB -B "$build" --config "$build/CPackConfig.cmake"
        ;;
    run)
        exec "$build/src/ui/tallymoo" "${@:2}"
        ;;
    *)
        echo "usage: $0 [test|bench|package]" >&2
        exit 2
        ;;
esac
