#!/usr/bin/env bash
# Installs what is missing, builds Tinctora with warnings as errors and runs
# every test: once in the normal build, and the unit and widget tests once
# more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINCTORA_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure --no-tests=error

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTINCTORA_WERROR=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure --no-tests=error --label-exclude 'e2e|fuzz'
