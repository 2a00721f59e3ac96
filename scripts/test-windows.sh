#!/usr/bin/env bash
# Cross-builds the Qt-free logic and the Windows back end with mingw-w64 and runs their tests
# under Wine, headless. Fails unless the tests really ran.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build-windows
cmake -S . -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DTRESMON_BUILD_UI=OFF -DTRESMON_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$dir" --parallel "$(nproc)" --target tresmon_windows_tests

wine=/usr/lib/wine/wine64
prefix=$(mktemp -d)
trap 'WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true; rm -rf "$prefix"' EXIT
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# The single-instance marker is a window: Wine needs a display for it.
xvfb-run -a bash -c "'$wine' wineboot -i >/dev/null 2>&1; '$wine' '$dir/tests/tresmon_windows_tests.exe'" \
    | tee "$dir/wine-tests.log"
grep -Eq '^\[  PASSED  \] [1-9][0-9]* tests?\.' "$dir/wine-tests.log" ||
    { echo "The Windows tests did not run." >&2; exit 1; }
! grep -q '^\[  FAILED  \]' "$dir/wine-tests.log"
passed=$(grep -Eo '^\[  PASSED  \] [0-9]+' "$dir/wine-tests.log" | grep -Eo '[0-9]+$')
echo "wine: $passed passed, 0 failed"
