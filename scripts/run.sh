#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program from its installation
# tree (build/pmr/V100). Arguments are passed on to the program, e.g. --demo.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
exec build/pmr/V100/pmrprog "$@"
