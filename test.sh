#!/usr/bin/env bash
# Installs what is missing (the test tools too), builds, installs into a test folder and runs
# every test inside a private X desktop, then the Wayland layer (label "wayland") inside a
# private Wayland desktop (two: one for the tests that add an output).
set -euo pipefail
cd "$(dirname "$0")"
. scripts/common.sh

install_missing "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
build build -DLUMACAP_TESTS=ON
rm -rf build/test-install
cmake --install build --prefix "$PWD/build/test-install" >/dev/null

export LUMACAP_INSTALL_DIR="$PWD/build/test-install"
cd build
status=0
../tests/desktop/private_desktop.sh -- ctest --output-on-failure --no-tests=error --timeout 300 -LE wayland "$@" ||
    status=1
../tests/desktop/private_desktop.sh --wayland -- ctest --output-on-failure --no-tests=error --timeout 300 -L wayland \
    -LE wayland-outputs "$@" || status=1
# sway cannot take away an output it has made: the tests that make one get a desktop of their own.
../tests/desktop/private_desktop.sh --wayland -- ctest --output-on-failure --no-tests=error --timeout 300 \
    -L wayland-outputs "$@" || status=1
exit $status
