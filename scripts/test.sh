#!/bin/sh
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# warnings as errors, and runs every test, headless. With --quick, every test
# but those labelled slow (the randomized and generated skeleton comparisons
# of the calculation).
set -e
cd "$(dirname "$0")/.."
select=""
if [ "$1" = "--quick" ]; then
    select="-LE slow"
fi
cmake -S . -B build-test -DTV_SANITIZE=ON -DTV_WERROR=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build-test -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-test --output-on-failure -j"$(nproc)" $select
