#!/usr/bin/env bash
# Installs what is missing, builds Tinctora with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINCTORA_WERROR=ON
cmake --build build
ctest --test-dir build --output-on-failure --no-tests=error
