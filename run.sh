#!/usr/bin/env bash
# Installs what is missing, builds, installs the program into dist/ and starts it.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/common.sh

install_missing "${RUN_PACKAGES[@]}"
build build -DLUMACAP_TESTS=OFF
cmake --install build --prefix "$PWD/dist" >/dev/null
echo "Installed in $PWD/dist"

if [ -z "${DISPLAY:-}" ]; then
    echo "run.sh: no X display (DISPLAY is not set), so Lumacap cannot be shown here." >&2
    echo "Start it on a desktop with: $PWD/dist/Lumacap" >&2
    exit 1
fi
exec "$PWD/dist/Lumacap"
