#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit, widget and
# integration tests in build/, the same tests under ASan and UBSan in
# build-asan/, then the fuzz targets in a sanitizer build in build-fuzz/
# (clang, libFuzzer, ASan and UBSan).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
(cd build && ctest --output-on-failure --parallel "$(nproc)" --timeout 600)

# Every test again in an AddressSanitizer and UndefinedBehaviorSanitizer build:
# use after free and calls into half-destroyed windows fail here, not in the field.
if [ ! -f build-asan/build.ninja ]; then
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
        -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
fi
cmake --build build-asan --parallel "$(nproc)"
(cd build-asan && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --output-on-failure --parallel "$(nproc)" --timeout 900)

if [ ! -f build-fuzz/build.ninja ]; then
    cmake -S . -B build-fuzz -G Ninja -DPMR_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++
fi
cmake --build build-fuzz --parallel "$(nproc)"
(cd build-fuzz && ctest --output-on-failure --parallel "$(nproc)" --timeout 600)
