#!/usr/bin/env bash
# Configures and builds. BUILD_DIR (default build) and BUILD_TYPE (default Debug, where
# warnings are errors) choose the tree.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${BUILD_DIR:-build}"
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Debug}" \
    -DTRESMON_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
