#!/usr/bin/env bash
# Installs what is missing (Debian, as root), builds, and then plays or tests.
#   bash setup.sh play    build and start the game
#   bash setup.sh test    build and run every test
set -euo pipefail
cd "$(dirname "$0")"

what=${1:-play}
# pulseaudio and its tools are for the test that plays the sounds on a sound server of its own.
paquetes=(cmake make g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
          qt6-base-dev libpulse-dev libxcb1-dev fonts-liberation xvfb xauth clang-format
          pulseaudio pulseaudio-utils)

faltan=()
for p in "${paquetes[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || faltan+=("$p")
done
if [ ${#faltan[@]} -gt 0 ]; then
    echo "Installing: ${faltan[*]}"
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${faltan[@]}"
fi

export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"

jobs=$(nproc)
case "$what" in
play)
    cmake --preset release >/dev/null
    # Only the game: the tests, tools and benchmarks are built by "test".
    cmake --build --preset release -j"$jobs" --target zarpelon
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: the game runs on a virtual screen (xvfb-run)."
        exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" ./build/release/zarpelon
    fi
    exec ./build/release/zarpelon
    ;;
test)
    # The sources keep the checked-in style; a difference fails the run before anything is built.
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror
    cmake --preset dev >/dev/null
    cmake --build --preset dev -j"$jobs"
    # Window tests run offscreen; the ones labelled "visual" need a real X server and run under Xvfb.
    ctest --preset dev -j"$jobs" -LE visual
    if ctest --test-dir build/dev -N -L visual | grep -q "Total Tests: [1-9]"; then
        # One at a time: they look at one shared screen.
        xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" ctest --preset dev -L visual -j1
    fi
    ;;
*)
    echo "usage: bash setup.sh play|test" >&2
    exit 2
    ;;
esac
