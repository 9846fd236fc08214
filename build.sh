#!/usr/bin/env bash
# Vestran's one entry point for building:
#   ./build.sh run    install what is missing, build, start the game
#   ./build.sh test   install what is missing, check the formatting, build with warnings
#                     as errors, run every test, then the core tests, vestran-tool's
#                     tests and the regression games again under ASan + UBSan
#   ./build.sh build  install what is missing and build only
#   ./build.sh fuzz   build the libFuzzer targets with clang and run each for
#                     FUZZ_SECONDS (default 60) from seeds written by vestran-tool
#                     (saves, pictures, and vestran-tool's own command lines)
#   ./build.sh soak   the play bot on long games under ASan + UBSan
#   ./build.sh perf   a Release tree of its own (build-perf), then every budget measured
#                     side by side: the benchmarks and the real game under Xvfb (start
#                     against a bare Qt window, idle CPU, peak memory, a battle); one
#                     table, exit status 1 when a budget is missed (tools/measure/perf.sh;
#                     IDLE_SECONDS shortens the idle minute for a quick run)
#   ./build.sh package  a Release tree with Debian's hardening flags and its Debian
#                     package from CPack (build-release/vestran_*.deb), checked by lintian
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake ninja-build g++ pkg-config googletest libgtest-dev libbenchmark-dev
          qt6-base-dev libsdl2-mixer-dev timgm6mb-soundfont fonts-dejavu-core xvfb clang-format
          file dpkg-dev lintian desktop-file-utils appstream libcli11-dev nlohmann-json3-dev)
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
    echo "== formatting (clang-format-14) =="
    # Every tracked source file as .clang-format lays it out; a changed file fails.
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror
    else
        echo "not a git checkout: formatting not checked"
    fi
    configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESTRAN_WERROR=ON
    cmake --build build -j "$JOBS"
    (cd build && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j "$JOBS")
    echo "== core tests, vestran-tool and the regression games under ASan + UBSan =="
    # vestran-tool reads untrusted saves and pictures, so it is built here too, with Qt
    # Gui but without the windows; its tests read the pictures generated in build/.
    configure build-asan -DCMAKE_BUILD_TYPE=Debug -DVESTRAN_WERROR=ON -DVESTRAN_CORE_ONLY=OFF \
        -DVESTRAN_TOOL_ONLY=ON -DVESTRAN_SANITIZE=ON -DVESTRAN_BENCHMARKS=OFF \
        -DVESTRAN_DATA_DIR="$PWD/build"
    cmake --build build-asan -j "$JOBS"
    (cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --output-on-failure -j "$JOBS")
    ;;
  fuzz)
    PACKAGES+=(clang libclang-rt-14-dev)  # the fuzzer runtime is only recommended by clang
    install_missing
    configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j "$JOBS" --target vestran-tool
    rm -rf build-fuzz/seeds
    ./build/vestran-tool fuzz-corpus build-fuzz/seeds
    CC=clang CXX=clang++ configure build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVESTRAN_FUZZ=ON -DVESTRAN_CORE_ONLY=ON -DVESTRAN_BENCHMARKS=OFF
    cmake --build build-fuzz -j "$JOBS" --target fuzz_save fuzz_pic_rows fuzz_pic fuzz_tool_args
    failed=()
    here=$PWD
    # target:seed folder:longest input:extra options. The argument fuzzer works in its
    # own scratch folder, so its paths are absolute, and the tool's own output is muted.
    for t in "fuzz_save:save:226716:" "fuzz_pic:pic:226716:" "fuzz_pic_rows:::" \
             "fuzz_tool_args:args:4096:-close_fd_mask=3 -dict=$here/tests/fuzz/tool_args.dict"; do
        IFS=: read -r name seeds maxlen extra <<<"$t"
        mkdir -p "build-fuzz/corpus/$name" build-fuzz/artifacts
        echo "== $name, ${FUZZ_SECONDS:-60} s =="
        # What a run learns stays in build-fuzz/corpus for the next one; a crash
        # leaves its input in build-fuzz/artifacts.
        # shellcheck disable=SC2086
        if ! "./build-fuzz/$name" -max_total_time="${FUZZ_SECONDS:-60}" -max_len="${maxlen:-226716}" \
            -timeout=60 -rss_limit_mb=2048 -print_final_stats=1 $extra \
            -artifact_prefix="$here/build-fuzz/artifacts/$name-" "$here/build-fuzz/corpus/$name" \
            ${seeds:+"$here/build-fuzz/seeds/$seeds"} 2>"build-fuzz/$name.log"; then
            failed+=("$name")
        fi
        grep -E "^stat::(number_of_executed_units|average_exec_per_sec)|^SUMMARY" "build-fuzz/$name.log" || true
    done
    if [ ${#failed[@]} -ne 0 ]; then
        echo "crashes in: ${failed[*]} (inputs in build-fuzz/artifacts, logs in build-fuzz/*.log)" >&2
        exit 1
    fi
    ;;
  soak)
    # The play bot on long games under ASan + UBSan, checking the game after every
    # step and battle action: SOAK_STEPS (default 100000) keys on each of SOAK_SEEDS
    # (default 5) new games.
    # Optimised, so that long games finish in reasonable time; the sanitizers check
    # just the same.
    install_missing
    configure build-soak -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESTRAN_WERROR=ON \
        -DVESTRAN_CORE_ONLY=ON -DVESTRAN_SANITIZE=ON -DVESTRAN_BENCHMARKS=OFF
    cmake --build build-soak -j "$JOBS" --target test_tools_bot
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        VESTRAN_SOAK_STEPS="${SOAK_STEPS:-100000}" VESTRAN_SOAK_SEEDS="${SOAK_SEEDS:-5}" \
        ./build-soak/test_tools_bot --gtest_filter='Soak.*'
    ;;
  package)
    install_missing
    # Debian's compiler and linker flags (stack protector, fortify, full RELRO, bind
    # now, -O2); only what the package holds is built, not the tests.
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    configure build-release -DCMAKE_BUILD_TYPE=Release -DVESTRAN_BENCHMARKS=OFF \
        -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
        "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
        "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)"
    cmake --build build-release -j "$JOBS" --target vestran vestran-tool vestran_assets_files vestran_man
    rm -f build-release/vestran_*.deb
    (cd build-release && cpack -G DEB >/dev/null)
    deb=$(ls build-release/vestran_*.deb)
    echo "== $deb =="
    dpkg-deb --info "$deb" | sed -n 's/^ \(Package\|Version\|Installed-Size\|Depends\):/\1:/p'
    lintian --fail-on error "$deb"
    ;;
  perf)
    # Not part of test: timings on a shared machine are noisy.
    PACKAGES+=(openbox xdotool)
    install_missing
    configure build-perf -DCMAKE_BUILD_TYPE=Release -DVESTRAN_PERF=ON -DVESTRAN_BENCHMARKS=ON
    cmake --build build-perf -j "$JOBS" --target vestran vestran-tool vestran_bench \
        vestran_bare_window vestran_assets_files
    tools/measure/perf.sh build-perf
    ;;
  *)
    echo "usage: $0 run|test|build|fuzz|soak|package|perf" >&2
    exit 2
    ;;
esac
