#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite twice:
# a plain build in build/ and a build with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/tools/install_deps.sh"
jobs=$(nproc)

cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQRT_FUZZ=ON
cmake --build "$top/build" -j"$jobs"
(cd "$top/build" && ctest --output-on-failure)

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$top/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake -S "$top" -B "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DQRT_SANITIZE=ON
cmake --build "$top/build-asan" -j"$jobs"
(cd "$top/build-asan" && ctest --output-on-failure)
