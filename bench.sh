#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in build-bench/ and runs every one of them
# (the programs named *_bench) inside a private X desktop. Extra arguments go to each program,
# e.g. ./bench.sh --benchmark_filter=Undo
set -euo pipefail
cd "$(dirname "$0")"
. scripts/common.sh

install_missing "${RUN_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
build build-bench -DLUMACAP_BENCH=ON -DLUMACAP_TESTS=OFF

# A desktop session has a session bus; without one, Qt's accessibility support would try to
# start a bus at the first text a program shows, which no real start-up pays.
session=()
if command -v dbus-run-session >/dev/null; then
    session=(dbus-run-session --)
fi

status=0
for program in build-bench/bench/*_bench; do
    [ -x "$program" ] || continue
    echo "== $(basename "$program")"
    # The command benchmark's running copy waits in a tray; the others want no window manager;
    # the Wayland one runs on a private Wayland desktop, which has its own session bus.
    desktop=(--no-wm)
    [ "$(basename "$program")" = command_bench ] && desktop=()
    if [ "$(basename "$program")" = wayland_copy_bench ]; then
        tests/desktop/private_desktop.sh --wayland -- "$program" "$@" || status=1
        continue
    fi
    tests/desktop/private_desktop.sh "${desktop[@]}" -- "${session[@]}" "$program" "$@" || status=1
done
exit $status
