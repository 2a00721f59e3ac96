#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the Linux build's (CTest) and the
# Windows build's (cross-compiled, under Wine).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
(cd build && ctest --output-on-failure --parallel "$(nproc)" --timeout 300)
# The Windows build's logic and back end, under Wine.
scripts/test-windows.sh
