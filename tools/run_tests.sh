#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite twice:
# a plain build in build/ and a build with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/.
#   run_tests.sh                  both builds, every test
#   run_tests.sh plain|sanitize   one of the two builds only
#   run_tests.sh [...] ARGS       further arguments go to ctest, for example
#                                 "-L sqlite" (the tests that need no
#                                 PostgreSQL) or "-L startup" (one group)
# The PostgreSQL tests run their throwaway cluster as the calling user (as the
# "postgres" user when called by root).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
builds=(plain sanitize)
case "${1:-}" in
plain | sanitize)
    builds=("$1")
    shift
    ;;
esac
bash "$top/tools/install_deps.sh"
jobs=$(nproc)

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$top/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for b in "${builds[@]}"; do
    if [ "$b" = plain ]; then
        dir=$top/build options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DQRT_SANITIZE=OFF -DQRT_FUZZ=ON)
    else
        dir=$top/build-asan options=(-DCMAKE_BUILD_TYPE=Debug -DQRT_SANITIZE=ON)
    fi
    cmake -S "$top" -B "$dir" "${options[@]}" -DQRT_BUILD_TESTS=ON
    cmake --build "$dir" -j"$jobs"
    (cd "$dir" && ctest --output-on-failure "$@")
done
