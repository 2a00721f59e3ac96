#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Its files (setup.ini,
# despertar.xml, despertar.wav) live beside the executable: build-release/tresmon.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
BUILD_DIR=build-release BUILD_TYPE=Release scripts/build.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build-release/tresmon
fi
echo "Sem tela disponível: o programa roda numa tela virtual (xvfb-run), sem ícone visível." >&2
echo "No display: running under a virtual display (xvfb-run); nothing will be visible." >&2
exec xvfb-run -a build-release/tresmon
