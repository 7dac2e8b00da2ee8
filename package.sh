#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package lumacap_<version>_amd64.deb in
# this folder with CPack from the same build; then lintian checks it (errors fail the script).
set -euo pipefail
cd "$(dirname "$0")"
. scripts/common.sh

install_missing "${RUN_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
build build -DLUMACAP_TESTS=OFF
deb=$(make_package build)
cp "$deb" .
deb=$(basename "$deb")
echo "Made $PWD/$deb"
echo "lintian (errors fail; its warnings and notes, if any, follow):"
lintian --fail-on error --info "$deb"
echo "lintian: no errors"
echo "Install it with: sudo apt install ./$deb"
