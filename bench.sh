#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in build-bench/ and runs every one of them
# (the programs named *_bench) inside a private X desktop, then prints every performance target
# with its ratio and the absolute times. Extra arguments go to each program,
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

targets=$(mktemp)
trap 'rm -f "$targets"' EXIT
export LUMACAP_BENCH_TARGETS=$targets

status=0
# bench NAME [desktop options...]: runs build-bench/bench/NAME on a desktop of those options.
bench() {
    local program=build-bench/bench/$1
    shift
    echo "== $(basename "$program") $*"
    tests/desktop/private_desktop.sh "$@" -- "${session[@]}" "$program" "${args[@]}" || status=1
}
args=("$@")
for program in build-bench/bench/*_bench; do
    [ -x "$program" ] || continue
    name=$(basename "$program")
    case $name in
        # A running copy in a tray, a main window a user clicks: a window manager.
        command_bench) bench "$name" ;;
        user_path_bench) bench "$name"; bench "$name" --size 3840x2160 ;;
        memory_bench) bench "$name" --size 3840x2160 ;;
        whole_screen_bench) bench "$name" --no-wm --size 3840x2160 ;;
        # Without a compositor the overlay shows a still picture; with one, the live screen.
        area_capture_bench) bench "$name" --no-wm; bench "$name" --no-wm --compositor ;;
        # On a private Wayland desktop, which has its own session bus.
        wayland_copy_bench)
            echo "== $name --wayland"
            tests/desktop/private_desktop.sh --wayland -- "$program" "${args[@]}" || status=1
            ;;
        *) bench "$name" --no-wm ;;
    esac
done

echo
echo "== targets (ratio against the floor measured in the same run)"
cat "$targets"
exit $status
