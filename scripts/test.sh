#!/usr/bin/env bash
# Builds everything and runs every test headless: first the Qt-free numeric
# libraries under AddressSanitizer + UndefinedBehaviorSanitizer, then the whole
# suite optimised.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bash "$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen

cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDAVUREDAV_SANITIZE=ON -DDAVUREDAV_NUMERIC_ONLY=ON
cmake --build "$root/build-asan" -j2
ctest --test-dir "$root/build-asan" -L numeric --output-on-failure

cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build "$root/build" -j2
ctest --test-dir "$root/build" -j2 --output-on-failure
