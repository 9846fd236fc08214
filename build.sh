#!/usr/bin/env bash
# Vestran's one entry point for building:
#   ./build.sh run    install what is missing, build, start the game
#   ./build.sh test   install what is missing, build with warnings as errors, run every
#                     test, then the core tests again under ASan + UBSan
#   ./build.sh build  install what is missing and build only
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ pkg-config googletest libgtest-dev libbenchmark-dev
          qt6-base-dev libsdl2-mixer-dev timgm6mb-soundfont fonts-dejavu-core xvfb)
JOBS=${JOBS:-$(nproc)}

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure() {  # dir, extra cmake args...
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
}

cmd=${1:-run}
case "$cmd" in
  run|build)
    install_missing
    configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j "$JOBS"
    if [ "$cmd" = run ]; then exec ./build/vestran "${@:2}"; fi
    ;;
  test)
    install_missing
    configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESTRAN_WERROR=ON
    cmake --build build -j "$JOBS"
    (cd build && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j "$JOBS")
    echo "== core tests under AddressSanitizer + UndefinedBehaviorSanitizer =="
    configure build-asan -DCMAKE_BUILD_TYPE=Debug -DVESTRAN_WERROR=ON -DVESTRAN_CORE_ONLY=ON \
        -DVESTRAN_SANITIZE=ON -DVESTRAN_BENCHMARKS=OFF
    cmake --build build-asan -j "$JOBS"
    (cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --output-on-failure -j "$JOBS")
    ;;
  *)
    echo "usage: $0 run|test|build" >&2
    exit 2
    ;;
esac
