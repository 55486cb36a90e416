#!/usr/bin/env bash
# Configures (once) and builds the program and its installation tree in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
# Line tables (-g1) are enough for a backtrace with file and line, and keep
# the compile and the link of the many test executables a quarter quicker
# than full debug information.
if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
fi
cmake --build build --parallel "$(nproc)"
