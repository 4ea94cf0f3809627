#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program on the sample warehouse.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/tools/install_deps.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$top/build" -j"$(nproc)"
export HQSPATH=$top/build/stage
"$HQSPATH/bin/qrt2exp2" "?" || true
