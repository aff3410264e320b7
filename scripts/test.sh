#!/usr/bin/env bash
# Installs what is missing, builds Brinolith with its tests and benchmarks,
# and runs every test: once in the normal build, and the equations once more
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

scripts/install-deps.sh
scripts/build.sh build
(cd build && ctest -j"$jobs" --output-on-failure --timeout 300)

scripts/build.sh build-sanitize -DBRINOLITH_SANITIZE=ON -DBRINOLITH_GUI=OFF -DBRINOLITH_BENCH=OFF
(cd build-sanitize && ctest -j"$jobs" --output-on-failure --timeout 300)
