#!/usr/bin/env bash
# Screenshots of the program against the simulated radio under a virtual X
# display, into docs/screenshots/: the main window after a read, the progress
# window during the read, the radio information window, the radio-wide settings
# windows in English and Chinese, the small dialogs and the report of a CSV
# channel list import; then, at 1366x768 and at 1920x1080 and in both
# languages, every window opened in turn (fit-*.png), failing when a window
# leaves the screen.
# Also measures the start-up time (process start to main window shown), five runs.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target pmrprog pmr-screenshots pmr-fit-shots pmr-radio-sim
program="$build/pmr/V100"
mkdir -p docs/screenshots
run_x() { xvfb-run -a -s "-screen 0 1100x760x24" "$@"; }

run_x "$build/src/gui/pmr-screenshots" "$program" docs/screenshots
for size in 1366x768 1920x1080; do
    xvfb-run -a -s "-screen 0 ${size}x24" \
        "$build/src/gui/pmr-fit-shots" "$program" docs/screenshots "fit-$size"
done

echo "Start-up time (process start to main window shown):"
for i in 1 2 3 4 5; do
    run_x "$program/pmrprog" --startup-time --quit-after-start | grep startup-ms
done
