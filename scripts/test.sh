#!/usr/bin/env bash
# Installs what is missing, builds Brinolith with its tests and benchmarks,
# and runs every test: once in the normal build, and the equations once more
# under AddressSanitizer and UndefinedBehaviorSanitizer. Then it builds as
# others will: in Release (GCC at -O3), and, where clang++ is installed, with
# clang. Every compiler warning fails here.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

scripts/install-deps.sh
scripts/build.sh build -DBRINOLITH_WERROR=ON
(cd build && ctest -j"$jobs" --output-on-failure --timeout 300)

scripts/build.sh build-sanitize -DBRINOLITH_WERROR=ON -DBRINOLITH_SANITIZE=ON -DBRINOLITH_GUI=OFF -DBRINOLITH_BENCH=OFF
(cd build-sanitize && ctest -j"$jobs" --output-on-failure --timeout 300)

scripts/build.sh build-release -DBRINOLITH_WERROR=ON -DCMAKE_BUILD_TYPE=Release
(cd build-release && ctest -j"$jobs" --output-on-failure --timeout 300)

if command -v clang++ >/dev/null; then
    scripts/build.sh build-clang -DBRINOLITH_WERROR=ON -DCMAKE_CXX_COMPILER=clang++ -DBRINOLITH_BENCH=OFF
    (cd build-clang && ctest -j"$jobs" --output-on-failure --timeout 300)
fi
