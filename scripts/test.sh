#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit, widget and
# integration tests in build/, then the fuzz targets in a sanitizer build in
# build-fuzz/ (clang, libFuzzer, ASan and UBSan).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
(cd build && ctest --output-on-failure --parallel "$(nproc)" --timeout 600)

if [ ! -f build-fuzz/build.ninja ]; then
    cmake -S . -B build-fuzz -G Ninja -DPMR_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++
fi
cmake --build build-fuzz --parallel "$(nproc)"
(cd build-fuzz && ctest --output-on-failure --timeout 600)
