#!/bin/sh
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# warnings as errors, and runs every test, headless.
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build-test -DTV_SANITIZE=ON -DTV_WERROR=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build-test -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-test --output-on-failure -j"$(nproc)"
